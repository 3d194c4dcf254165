#include "apply_state.h"

#include "pipeline/glsl_program.h"

#include <cstdint>

namespace {

void EnableIf(GLenum capability, bool enabled) {
    if (enabled) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void ApplyRasterState(const DWORD* renderStates) {
    const CullSetting cull = *TranslateCullMode(renderStates[D3DRS_CULLMODE]);
    EnableIf(GL_DEPTH_TEST, *TranslateDepthEnable(renderStates[D3DRS_ZENABLE]));
    glDepthFunc(*TranslateCompareFunction(renderStates[D3DRS_ZFUNC]));
    EnableIf(GL_CULL_FACE, cull.enabled);
    glCullFace(cull.face);
    EnableIf(GL_DITHER, renderStates[D3DRS_DITHERENABLE] != FALSE);
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

const void* Offset(intptr_t bytes) {
    return (const void*)bytes;
}

void ApplyVertexInput(const DeviceState& state, const DrawBindings& bindings) {
    const VertexLayout& layout = bindings.layout;
    bindings.stream->bytes.Bind(GL_ARRAY_BUFFER);
    const GLsizei stride = (GLsizei)state.streamStride;
    const intptr_t start =
        (intptr_t)state.streamOffset + (intptr_t)bindings.baseVertex * state.streamStride;
    glVertexAttribPointer(ATTRIBUTE_POSITION, 3, GL_FLOAT, GL_FALSE, stride, Offset(start));
    glEnableVertexAttribArray(ATTRIBUTE_NORMAL);
    glVertexAttribPointer(ATTRIBUTE_NORMAL, 3, GL_FLOAT, GL_FALSE, stride,
                          Offset(start + layout.normalOffset));
    if (layout.hasTexCoords) {
        glEnableVertexAttribArray(ATTRIBUTE_TEX_COORD);
        glVertexAttribPointer(ATTRIBUTE_TEX_COORD, 2, GL_FLOAT, GL_FALSE, stride,
                              Offset(start + layout.texCoordOffset));
    } else {
        // An attribute without an array reads the context's current value, which nothing here
        // changes from GL's (0, 0, 0, 1).
        glDisableVertexAttribArray(ATTRIBUTE_TEX_COORD);
    }
}

} // namespace

void SetFixedGlState() {
    // Direct3D's front faces wind clockwise on screen, which is counter-clockwise in the
    // upside-down back buffer.
    glFrontFace(GL_CCW);
    glEnableVertexAttribArray(ATTRIBUTE_POSITION);
}

bool ApplyState(const DeviceState& state, const DrawBindings& bindings) {
    ApplyRasterState(state.renderStates);
    if (!ApplyTexture(state, bindings.texture)) {
        return false;
    }
    ApplyVertexInput(state, bindings);
    bindings.indices->bytes.Bind(GL_ELEMENT_ARRAY_BUFFER);
    return true;
}
