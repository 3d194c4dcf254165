// The device's setters: each records what it is given and marks that part for the next draw.
#include "device.h"

#include "translate.h"

#include <cstring>

namespace {

// A render state value the draw cannot translate is refused here rather than at draw time.
bool IsDrawableValue(D3DRENDERSTATETYPE state, DWORD value) {
    bool depthTest = false;
    GLenum glEnum = 0;
    CullSetting cull;
    switch (state) {
    case D3DRS_ZENABLE:
        return TranslateDepthEnable(value, &depthTest);
    case D3DRS_ZFUNC:
        return TranslateCompareFunction(value, &glEnum);
    case D3DRS_CULLMODE:
        return TranslateCullMode(value, &cull);
    case D3DRS_SHADEMODE:
        return TranslateShadeMode(value, &glEnum);
    default:
        return true;
    }
}

} // namespace

HRESULT Device::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    if (matrix == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    // D3DTS_WORLD lies outside the enumeration, as in the platform's headers.
    switch ((DWORD)state) {
    case D3DTS_WORLD:
        state_.world = *matrix;
        dirty_ |= DIRTY_MODELVIEW;
        return D3D_OK;
    case D3DTS_VIEW:
        state_.view = *matrix;
        dirty_ |= DIRTY_MODELVIEW | DIRTY_LIGHTS;
        return D3D_OK;
    case D3DTS_PROJECTION:
        state_.projection = *matrix;
        dirty_ |= DIRTY_PROJECTION;
        return D3D_OK;
    default:
        return D3DERR_INVALIDCALL;
    }
}

HRESULT Device::SetMaterial(const D3DMATERIAL9* material) {
    if (material == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    if (std::memcmp(&state_.material, material, sizeof(*material)) != 0) {
        state_.material = *material;
        dirty_ |= DIRTY_MATERIAL;
    }
    return D3D_OK;
}

HRESULT Device::SetLight(DWORD index, const D3DLIGHT9* light) {
    if (light == nullptr || index >= LIGHT_COUNT || light->Type != D3DLIGHT_DIRECTIONAL) {
        return D3DERR_INVALIDCALL;
    }
    const D3DVECTOR& d = light->Direction;
    if (d.x == 0.0f && d.y == 0.0f && d.z == 0.0f) {
        return D3DERR_INVALIDCALL;
    }
    state_.lights[index].light = *light;
    dirty_ |= DIRTY_LIGHTS;
    return D3D_OK;
}

HRESULT Device::LightEnable(DWORD index, BOOL enable) {
    if (index >= LIGHT_COUNT) {
        return D3DERR_INVALIDCALL;
    }
    LightSlot& slot = state_.lights[index];
    if (enable && slot.light.Type == 0) {
        slot.light = DefaultLight();
    }
    slot.enabled = enable ? TRUE : FALSE;
    dirty_ |= DIRTY_LIGHTS;
    return D3D_OK;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    if ((UINT)state >= RENDER_STATE_COUNT || !IsDrawableValue(state, value)) {
        return D3DERR_INVALIDCALL;
    }
    if (state_.renderStates[state] != value) {
        state_.renderStates[state] = value;
        // Specular on or off changes the material's specular colour (see ApplyMaterial).
        dirty_ |= state == D3DRS_SPECULARENABLE ? DIRTY_RENDER_STATES | DIRTY_MATERIAL
                                                : DIRTY_RENDER_STATES;
    }
    return D3D_OK;
}

HRESULT Device::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    Texture* ours = dynamic_cast<Texture*>(texture);
    if (stage != 0 || (texture != nullptr && ours == nullptr)) {
        return D3DERR_INVALIDCALL;
    }
    if (ours != texture_) {
        ReplaceReference(&texture_, ours);
        dirty_ |= DIRTY_TEXTURE;
    }
    return D3D_OK;
}

HRESULT Device::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    if (sampler != 0) {
        return D3DERR_INVALIDCALL;
    }
    GLint filter = 0;
    switch (type) {
    case D3DSAMP_MAGFILTER:
        if (!TranslateMagFilter(value, &filter)) {
            return D3DERR_INVALIDCALL;
        }
        state_.magFilter = value;
        break;
    case D3DSAMP_MINFILTER:
        if (!TranslateMinFilter(value, D3DTEXF_NONE, &filter)) {
            return D3DERR_INVALIDCALL;
        }
        state_.minFilter = value;
        break;
    case D3DSAMP_MIPFILTER:
        if (!TranslateMinFilter(D3DTEXF_POINT, value, &filter)) {
            return D3DERR_INVALIDCALL;
        }
        state_.mipFilter = value;
        break;
    default:
        return D3DERR_INVALIDCALL;
    }
    dirty_ |= DIRTY_TEXTURE;
    return D3D_OK;
}

HRESULT Device::SetFVF(DWORD fvf) {
    VertexLayout layout;
    if (!TranslateVertexFormat(fvf, &layout)) {
        return D3DERR_INVALIDCALL;
    }
    if (fvf != state_.fvf) {
        state_.fvf = fvf;
        dirty_ |= DIRTY_VERTEX_INPUT;
    }
    return D3D_OK;
}

HRESULT Device::SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData,
                                UINT offsetInBytes, UINT stride) {
    VertexBuffer* ours = dynamic_cast<VertexBuffer*>(streamData);
    if (streamNumber != 0 || (streamData != nullptr && ours == nullptr)) {
        return D3DERR_INVALIDCALL;
    }
    if (ours != streamSource_ || offsetInBytes != state_.streamOffset ||
        stride != state_.streamStride) {
        ReplaceReference(&streamSource_, ours);
        state_.streamOffset = offsetInBytes;
        state_.streamStride = stride;
        dirty_ |= DIRTY_VERTEX_INPUT;
    }
    return D3D_OK;
}

HRESULT Device::SetIndices(IDirect3DIndexBuffer9* indexData) {
    IndexBuffer* ours = dynamic_cast<IndexBuffer*>(indexData);
    if (indexData != nullptr && ours == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    if (ours != indices_) {
        ReplaceReference(&indices_, ours);
        dirty_ |= DIRTY_INDICES;
    }
    return D3D_OK;
}
