// The one place where recorded state becomes GL state. At each draw the parts of the draw are made
// from the record in order (program, camera, transforms, lighting, raster, sampler, vertex input),
// each only when a setter has made it stale since the draw last made it, and every call goes
// through the context's GL seam, which drops what the context already holds. The setters admitted
// only values the draw can translate, so every recorded value translates here.
#include "device.h"

#include "pipeline/glsl_program.h"

#include <cstdint>

bool Device::PrepareDraw(const VertexLayout& layout, INT baseVertex) {
    GlSeam* gl = &context_->Gl();

    // Program: the fixed-function program of the states in use, built at its first draw.
    if (Stale(PART_PROGRAM)) {
        gl->NotePart(PART_PROGRAM);
        program_ = fixedFunction_.ProgramFor(KeyOf(state_, texture_ != nullptr), gl);
        if (program_ == nullptr) {
            return false;
        }
        gl->UseProgram(program_->name);
        MarkPrepared(PART_PROGRAM);
    }

    // Camera: the values the uniforms share across draws until the camera or the lights change.
    if (Stale(PART_CAMERA)) {
        camera_ = ComputeCamera(state_, renderTarget_.Width(), renderTarget_.Height());
        MarkPrepared(PART_CAMERA);
    }

    // Transforms and lighting: uniforms of the program, which keeps the versions it got them at.
    if (const unsigned version = versions_.Of(PART_TRANSFORMS);
        program_->transformsVersion != version) {
        gl->NotePart(PART_TRANSFORMS);
        const TransformUniforms transforms = ComputeTransforms(state_, camera_);
        gl->UniformMatrix4(program_->transforms, program_->transformMatrices,
                           &transforms.matrices[0].m[0][0]);
        program_->transformsVersion = version;
    }
    if (const unsigned version = versions_.Of(PART_LIGHTING);
        program_->lighting >= 0 && program_->lightingVersion != version) {
        gl->NotePart(PART_LIGHTING);
        const LightingUniforms lighting = ComputeLighting(state_, camera_);
        // The program's key holds the number of lights, so it is the same in every lighting.
        gl->Uniform4(program_->lighting, (GLsizei)(1 + LIGHT_VECTORS * lighting.lights),
                     &lighting.vectors[0][0]);
        program_->lightingVersion = version;
    }

    // Raster: depth test and function, culling, dithering. Direct3D's front faces wind clockwise
    // on screen, and the back buffer is kept the right way up (render_target.h).
    if (Stale(PART_RASTER)) {
        gl->NotePart(PART_RASTER);
        const DWORD* renderStates = state_.renderStates;
        const CullSetting cull = *TranslateCullMode(renderStates[D3DRS_CULLMODE]);
        gl->Enable(GlCapability::DEPTH_TEST, *TranslateDepthEnable(renderStates[D3DRS_ZENABLE]));
        gl->DepthFunc(*TranslateCompareFunction(renderStates[D3DRS_ZFUNC]));
        gl->Enable(GlCapability::CULL_FACE, cull.enabled);
        gl->CullFace(cull.face);
        gl->FrontFace(GL_CW);
        gl->Enable(GlCapability::DITHER, renderStates[D3DRS_DITHERENABLE] != FALSE);
        MarkPrepared(PART_RASTER);
    }

    // Sampler: stage 0's texture with its filters; the program without one passes the lit colour
    // through. Locked texels are uploaded at the next draw, whatever else changed.
    if (Stale(PART_SAMPLER) || (texture_ != nullptr && !texture_->Uploaded())) {
        gl->NotePart(PART_SAMPLER);
        if (texture_ != nullptr) {
            uploaded_ = uploaded_ || !texture_->Uploaded();
            if (!texture_->Bind()) {
                return false;
            }
            const DWORD mip = texture_->HasFullChain() ? state_.mipFilter : (DWORD)D3DTEXF_NONE;
            gl->TexParameter(GL_TEXTURE_MIN_FILTER, *TranslateMinFilter(state_.minFilter, mip));
            gl->TexParameter(GL_TEXTURE_MAG_FILTER, *TranslateMagFilter(state_.magFilter));
        }
        MarkPrepared(PART_SAMPLER);
    }

    // Vertex input: the stream's attributes from the base vertex on, and the indices. An
    // attribute without an array reads the context's current value, which nothing here changes
    // from GL's (0, 0, 0, 1). Locked bytes are uploaded at the next draw.
    if (Stale(PART_VERTEX_INPUT) || baseVertex != preparedBaseVertex_ ||
        !streamSource_->bytes.Uploaded() || !indices_->bytes.Uploaded()) {
        gl->NotePart(PART_VERTEX_INPUT);
        streamSource_->bytes.Bind(GL_ARRAY_BUFFER);
        const GLsizei stride = (GLsizei)state_.streamStride;
        const intptr_t start =
            (intptr_t)state_.streamOffset + (intptr_t)baseVertex * state_.streamStride;
        gl->EnableAttributeArray(ATTRIBUTE_POSITION, true);
        gl->AttributePointer(ATTRIBUTE_POSITION, 3, stride, start);
        gl->EnableAttributeArray(ATTRIBUTE_NORMAL, true);
        gl->AttributePointer(ATTRIBUTE_NORMAL, 3, stride, start + layout.normalOffset);
        gl->EnableAttributeArray(ATTRIBUTE_TEX_COORD, layout.hasTexCoords);
        if (layout.hasTexCoords) {
            gl->AttributePointer(ATTRIBUTE_TEX_COORD, 2, stride, start + layout.texCoordOffset);
        }
        indices_->bytes.Bind(GL_ELEMENT_ARRAY_BUFFER);
        preparedBaseVertex_ = baseVertex;
        MarkPrepared(PART_VERTEX_INPUT);
    }
    return true;
}
