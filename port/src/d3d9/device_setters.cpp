// The device's setters: each checks and records what it is given, and marks stale the parts of
// the draw made from it.
#include "device.h"

#include "render_states.h"
#include "translate.h"

#include <cstring>

HRESULT Device::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    if (matrix == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    // D3DTS_WORLD is a macro, not one of the enumeration's names: the switch is on the number.
    switch ((DWORD)state) {
    case D3DTS_WORLD:
        state_.world = *matrix;
        versions_.MarkStale(PART_TRANSFORMS);
        return D3D_OK;
    case D3DTS_VIEW:
        // Lights are given in world space and turned by the view.
        state_.view = *matrix;
        versions_.MarkStale(PART_CAMERA | PART_TRANSFORMS | PART_LIGHTING);
        return D3D_OK;
    case D3DTS_PROJECTION:
        state_.projection = *matrix;
        versions_.MarkStale(PART_CAMERA | PART_TRANSFORMS);
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
        versions_.MarkStale(PART_LIGHTING);
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
    versions_.MarkStale(PART_CAMERA | PART_LIGHTING);
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
    versions_.MarkStale(PART_PROGRAM | PART_CAMERA | PART_LIGHTING);
    return D3D_OK;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    const RenderStateRow* row = RenderStateRowOf(state);
    if (row == nullptr || !row->accepts(value)) {
        return D3DERR_INVALIDCALL;
    }
    if (state_.renderStates[state] != value) {
        state_.renderStates[state] = value;
        versions_.MarkStale(row->feeds);
    }
    return D3D_OK;
}

HRESULT Device::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    Texture* ours = dynamic_cast<Texture*>(texture);
    if (stage != 0 || (texture != nullptr && ours == nullptr)) {
        return D3DERR_INVALIDCALL;
    }
    if (ours != texture_) {
        // Whether a texture is bound selects the program; which one is bound, the sampler alone.
        const bool programChanges = (ours == nullptr) != (texture_ == nullptr);
        ReplaceReference(&texture_, ours);
        versions_.MarkStale(programChanges ? PART_PROGRAM | PART_SAMPLER : PART_SAMPLER);
    }
    return D3D_OK;
}

HRESULT Device::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    if (sampler != 0) {
        return D3DERR_INVALIDCALL;
    }
    DWORD* recorded = nullptr;
    switch (type) {
    case D3DSAMP_MAGFILTER:
        recorded = TranslateMagFilter(value) ? &state_.magFilter : nullptr;
        break;
    case D3DSAMP_MINFILTER:
        recorded = TranslateMinFilter(value, D3DTEXF_NONE) ? &state_.minFilter : nullptr;
        break;
    case D3DSAMP_MIPFILTER:
        recorded = TranslateMinFilter(D3DTEXF_POINT, value) ? &state_.mipFilter : nullptr;
        break;
    default:
        break;
    }
    if (recorded == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    if (*recorded != value) {
        *recorded = value;
        versions_.MarkStale(PART_SAMPLER);
    }
    return D3D_OK;
}

HRESULT Device::SetFVF(DWORD fvf) {
    if (!TranslateVertexFormat(fvf)) {
        return D3DERR_INVALIDCALL;
    }
    if (state_.fvf != fvf) {
        state_.fvf = fvf;
        versions_.MarkStale(PART_VERTEX_INPUT);
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
        versions_.MarkStale(PART_VERTEX_INPUT);
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
        versions_.MarkStale(PART_VERTEX_INPUT);
    }
    return D3D_OK;
}
