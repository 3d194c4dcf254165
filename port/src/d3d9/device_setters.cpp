// The device's setters: each records what it is given and marks that part for the next draw.
#include "device.h"

#include "translate.h"

#include <cstring>

namespace {

// A render state value the draw cannot translate is refused here rather than at draw time.
bool IsDrawableValue(D3DRENDERSTATETYPE state, DWORD value) {
    switch (state) {
    case D3DRS_ZENABLE:
        return TranslateDepthEnable(value).has_value();
    case D3DRS_ZFUNC:
        return TranslateCompareFunction(value).has_value();
    case D3DRS_CULLMODE:
        return TranslateCullMode(value).has_value();
    case D3DRS_SHADEMODE:
        return IsDrawnShadeMode(value);
    default:
        return true;
    }
}

// The parts of the draw a render state feeds.
unsigned DirtyOf(D3DRENDERSTATETYPE state) {
    switch (state) {
    case D3DRS_ZENABLE:
    case D3DRS_ZFUNC:
    case D3DRS_CULLMODE:
    case D3DRS_DITHERENABLE:
        return DIRTY_RENDER_STATES;
    case D3DRS_LIGHTING:
    case D3DRS_SPECULARENABLE:
    case D3DRS_LOCALVIEWER:
    case D3DRS_NORMALIZENORMALS:
        return DIRTY_PROGRAM | DIRTY_LIGHTING;
    case D3DRS_AMBIENT:
        return DIRTY_LIGHTING;
    default:
        return 0;
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
        dirty_ |= DIRTY_TRANSFORMS;
        return D3D_OK;
    case D3DTS_VIEW:
        // Lights are given in world space and turned by the view.
        state_.view = *matrix;
        dirty_ |= DIRTY_TRANSFORMS | DIRTY_LIGHTING;
        return D3D_OK;
    case D3DTS_PROJECTION:
        state_.projection = *matrix;
        dirty_ |= DIRTY_TRANSFORMS;
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
        dirty_ |= DIRTY_LIGHTING;
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
    dirty_ |= DIRTY_LIGHTING;
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
    dirty_ |= DIRTY_PROGRAM | DIRTY_LIGHTING;
    return D3D_OK;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    if ((UINT)state >= RENDER_STATE_COUNT || !IsDrawableValue(state, value)) {
        return D3DERR_INVALIDCALL;
    }
    if (state_.renderStates[state] != value) {
        state_.renderStates[state] = value;
        dirty_ |= DirtyOf(state);
    }
    return D3D_OK;
}

HRESULT Device::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    Texture* ours = dynamic_cast<Texture*>(texture);
    if (stage != 0 || (texture != nullptr && ours == nullptr)) {
        return D3DERR_INVALIDCALL;
    }
    if (ours != texture_) {
        // Binding a texture or none changes the program as well.
        ReplaceReference(&texture_, ours);
        dirty_ |= DIRTY_TEXTURE | DIRTY_PROGRAM;
    }
    return D3D_OK;
}

HRESULT Device::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    if (sampler != 0) {
        return D3DERR_INVALIDCALL;
    }
    switch (type) {
    case D3DSAMP_MAGFILTER:
        if (!TranslateMagFilter(value)) {
            return D3DERR_INVALIDCALL;
        }
        state_.magFilter = value;
        break;
    case D3DSAMP_MINFILTER:
        if (!TranslateMinFilter(value, D3DTEXF_NONE)) {
            return D3DERR_INVALIDCALL;
        }
        state_.minFilter = value;
        break;
    case D3DSAMP_MIPFILTER:
        if (!TranslateMinFilter(D3DTEXF_POINT, value)) {
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
    if (!TranslateVertexFormat(fvf)) {
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
