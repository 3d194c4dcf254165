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

bool ApplyRenderStates(const DWORD* renderStates) {
    const std::optional<bool> depthTest = TranslateDepthEnable(renderStates[D3DRS_ZENABLE]);
    const std::optional<GLenum> depthFunction = TranslateCompareFunction(renderStates[D3DRS_ZFUNC]);
    const std::optional<CullSetting> cull = TranslateCullMode(renderStates[D3DRS_CULLMODE]);
    if (!depthTest || !depthFunction || !cull) {
        return false;
    }
    EnableIf(GL_DEPTH_TEST, *depthTest);
    glDepthFunc(*depthFunction);
    EnableIf(GL_CULL_FACE, cull->enabled);
    glCullFace(cull->face);
    EnableIf(GL_DITHER, renderStates[D3DRS_DITHERENABLE] != FALSE);
    return true;
}

bool ApplyTexture(const DeviceState& state, Texture* texture) {
    if (texture == nullptr) {
        // The program without a texture passes the lit colour through.
        return true;
    }
    const std::optional<GLint> minFilter = TranslateMinFilter(
        state.minFilter, texture->HasFullChain() ? state.mipFilter : (DWORD)D3DTEXF_NONE);
    const std::optional<GLint> magFilter = TranslateMagFilter(state.magFilter);
    if (!minFilter || !magFilter || !texture->Bind()) {
        return false;
    }
    texture->SetFilters(*minFilter, *magFilter);
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
    if (layout.hasNormal) {
        glEnableVertexAttribArray(ATTRIBUTE_NORMAL);
        glVertexAttribPointer(ATTRIBUTE_NORMAL, 3, GL_FLOAT, GL_FALSE, stride,
                              Offset(start + layout.normalOffset));
    } else {
        glDisableVertexAttribArray(ATTRIBUTE_NORMAL);
        glVertexAttrib3f(ATTRIBUTE_NORMAL, 0.0f, 0.0f, 0.0f);
    }
    if (layout.hasTexCoords) {
        glEnableVertexAttribArray(ATTRIBUTE_TEX_COORD);
        glVertexAttribPointer(ATTRIBUTE_TEX_COORD, 2, GL_FLOAT, GL_FALSE, stride,
                              Offset(start + layout.texCoordOffset));
    } else {
        glDisableVertexAttribArray(ATTRIBUTE_TEX_COORD);
        glVertexAttrib2f(ATTRIBUTE_TEX_COORD, 0.0f, 0.0f);
    }
}

} // namespace

void SetFixedGlState() {
    // Direct3D's front faces wind clockwise on screen, which is counter-clockwise in the
    // upside-down back buffer.
    glFrontFace(GL_CCW);
    glEnableVertexAttribArray(ATTRIBUTE_POSITION);
}

bool ApplyState(const DeviceState& state, const DrawBindings& bindings, unsigned dirty,
                FixedFunction* pipeline) {
    if ((dirty & DIRTY_RENDER_STATES) && !ApplyRenderStates(state.renderStates)) {
        return false;
    }
    if ((dirty & DIRTY_PROGRAM) && !pipeline->Use(KeyOf(state, bindings.texture != nullptr))) {
        return false;
    }
    if (dirty & DIRTY_TRANSFORMS) {
        pipeline->TransformsChanged();
    }
    if (dirty & DIRTY_LIGHTING) {
        pipeline->LightingChanged();
    }
    pipeline->UpdateUniforms(state, bindings.targetWidth, bindings.targetHeight);
    if ((dirty & DIRTY_TEXTURE) && !ApplyTexture(state, bindings.texture)) {
        return false;
    }
    if (dirty & DIRTY_VERTEX_INPUT) {
        ApplyVertexInput(state, bindings);
    }
    if (dirty & DIRTY_INDICES) {
        bindings.indices->bytes.Bind(GL_ELEMENT_ARRAY_BUFFER);
    }
    return true;
}
