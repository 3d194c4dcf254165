#include "apply_state.h"

#include "pipeline/glsl_program.h"

#include <cstdint>

namespace {

void ApplyRasterState(const DWORD* renderStates, GlStateCache* gl) {
    const CullSetting cull = *TranslateCullMode(renderStates[D3DRS_CULLMODE]);
    gl->Enable(GL_DEPTH_TEST, *TranslateDepthEnable(renderStates[D3DRS_ZENABLE]));
    gl->DepthFunc(*TranslateCompareFunction(renderStates[D3DRS_ZFUNC]));
    gl->Enable(GL_CULL_FACE, cull.enabled);
    gl->CullFace(cull.face);
    // Direct3D's front faces wind clockwise on screen, and the back buffer is kept the right way
    // up (render_target.h).
    gl->FrontFace(GL_CW);
    gl->Enable(GL_DITHER, renderStates[D3DRS_DITHERENABLE] != FALSE);
}

bool ApplyTexture(const DeviceState& state, Texture* texture) {
    if (texture == nullptr) {
        // The program without a texture passes the lit colour through.
        return true;
    }
    if (!texture->Bind()) {
        return false;
    }
    const DWORD mipFilter = texture->HasFullChain() ? state.mipFilter : (DWORD)D3DTEXF_NONE;
    texture->SetFilters(*TranslateMinFilter(state.minFilter, mipFilter),
                        *TranslateMagFilter(state.magFilter));
    return true;
}

void ApplyVertexInput(const DeviceState& state, const DrawBindings& bindings, GlStateCache* gl) {
    const VertexLayout& layout = bindings.layout;
    bindings.stream->bytes.Bind(GL_ARRAY_BUFFER);
    const GLsizei stride = (GLsizei)state.streamStride;
    const intptr_t start =
        (intptr_t)state.streamOffset + (intptr_t)bindings.baseVertex * state.streamStride;
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
}

} // namespace

bool ApplyState(const DeviceState& state, const DrawBindings& bindings, GlStateCache* gl) {
    ApplyRasterState(state.renderStates, gl);
    if (!ApplyTexture(state, bindings.texture)) {
        return false;
    }
    ApplyVertexInput(state, bindings, gl);
    bindings.indices->bytes.Bind(GL_ELEMENT_ARRAY_BUFFER);
    return true;
}
