// The one place where recorded state becomes GL state. At each draw the parts of the draw are made
// from the record in order (program, transforms, lighting, raster, sampler, vertex input), each
// only when a setter has made it stale since the draw last made it, and every call goes through
// the context's GL seam, which drops what the context already holds. The setters admitted only
// values the draw can translate, so every recorded value translates here.
#include "device.h"

#include "pipeline/glsl_program.h"

#include <cstdint>

namespace {

void MakeRaster(const DWORD* renderStates, GlSeam* gl) {
    const CullSetting cull = *TranslateCullMode(renderStates[D3DRS_CULLMODE]);
    gl->Enable(GlCapability::DEPTH_TEST, *TranslateDepthEnable(renderStates[D3DRS_ZENABLE]));
    gl->DepthFunc(*TranslateCompareFunction(renderStates[D3DRS_ZFUNC]));
    gl->Enable(GlCapability::CULL_FACE, cull.enabled);
    gl->CullFace(cull.face);
    // Direct3D's front faces wind clockwise on screen, and the back buffer is kept the right way
    // up (render_target.h).
    gl->FrontFace(GL_CW);
    gl->Enable(GlCapability::DITHER, renderStates[D3DRS_DITHERENABLE] != FALSE);
}

// False when the texture cannot be made.
bool MakeSampler(const DeviceState& state, Texture* texture, GlSeam* gl) {
    if (texture == nullptr) {
        // The program without a texture passes the lit colour through.
        return true;
    }
    if (!texture->Bind()) {
        return false;
    }
    const DWORD mipFilter = texture->HasFullChain() ? state.mipFilter : (DWORD)D3DTEXF_NONE;
    gl->TexParameter(GL_TEXTURE_MIN_FILTER, *TranslateMinFilter(state.minFilter, mipFilter));
    gl->TexParameter(GL_TEXTURE_MAG_FILTER, *TranslateMagFilter(state.magFilter));
    return true;
}

void MakeVertexInput(const DeviceState& state, VertexBuffer* stream, IndexBuffer* indices,
                     const VertexLayout& layout, INT baseVertex, GlSeam* gl) {
    stream->bytes.Bind(GL_ARRAY_BUFFER);
    const GLsizei stride = (GLsizei)state.streamStride;
    const intptr_t start = (intptr_t)state.streamOffset + (intptr_t)baseVertex * state.streamStride;
    gl->EnableAttributeArray(ATTRIBUTE_POSITION, true);
    gl->AttributePointer(ATTRIBUTE_POSITION, 3, stride, start);
    gl->EnableAttributeArray(ATTRIBUTE_NORMAL, true);
    gl->AttributePointer(ATTRIBUTE_NORMAL, 3, stride, start + layout.normalOffset);
    // An attribute without an array reads the context's current value, which nothing here
    // changes from GL's (0, 0, 0, 1).
    gl->EnableAttributeArray(ATTRIBUTE_TEX_COORD, layout.hasTexCoords);
    if (layout.hasTexCoords) {
        gl->AttributePointer(ATTRIBUTE_TEX_COORD, 2, stride, start + layout.texCoordOffset);
    }
    indices->bytes.Bind(GL_ELEMENT_ARRAY_BUFFER);
}

} // namespace

bool Device::PrepareDraw(const VertexLayout& layout, INT baseVertex) {
    GlSeam* gl = &context_->Gl();
    if (Stale(PART_PROGRAM)) {
        program_ = fixedFunction_.ProgramFor(KeyOf(state_, texture_ != nullptr), gl);
        if (program_ == nullptr) {
            return false;
        }
        gl->UseProgram(program_->name);
        MarkPrepared(PART_PROGRAM);
    }
    // Each program keeps the versions its own uniforms were made at.
    if (const unsigned version = versions_.Of(PART_TRANSFORMS);
        program_->transformsVersion != version) {
        SetTransformUniforms(
            *program_, ComputeTransforms(state_, renderTarget_.Width(), renderTarget_.Height()),
            gl);
        program_->transformsVersion = version;
    }
    if (const unsigned version = versions_.Of(PART_LIGHTING);
        program_->lighting && program_->lightingVersion != version) {
        SetLightingUniforms(*program_, ComputeLighting(state_), gl);
        program_->lightingVersion = version;
    }
    if (Stale(PART_RASTER)) {
        MakeRaster(state_.renderStates, gl);
        MarkPrepared(PART_RASTER);
    }
    // Locked texels and bytes are uploaded at the next draw, whatever else changed.
    if (Stale(PART_SAMPLER) || (texture_ != nullptr && !texture_->Uploaded())) {
        if (!MakeSampler(state_, texture_, gl)) {
            return false;
        }
        MarkPrepared(PART_SAMPLER);
    }
    if (Stale(PART_VERTEX_INPUT) || baseVertex != preparedBaseVertex_ ||
        !streamSource_->bytes.Uploaded() || !indices_->bytes.Uploaded()) {
        MakeVertexInput(state_, streamSource_, indices_, layout, baseVertex, gl);
        preparedBaseVertex_ = baseVertex;
        MarkPrepared(PART_VERTEX_INPUT);
    }
    return true;
}
