#include "device_state.h"

#include "render_states.h"

#include <cstring>

namespace {

void SetIdentity(D3DMATRIX* matrix) {
    std::memset(matrix, 0, sizeof(*matrix));
    matrix->_11 = matrix->_22 = matrix->_33 = matrix->_44 = 1.0f;
}

} // namespace

void SetDefaultState(DeviceState* state, bool hasDepthBuffer) {
    std::memset(state, 0, sizeof(*state));
    SetDefaultRenderStates(state->renderStates, hasDepthBuffer);
    SetIdentity(&state->world);
    SetIdentity(&state->view);
    SetIdentity(&state->projection);
    state->minFilter = D3DTEXF_POINT;
    state->magFilter = D3DTEXF_POINT;
    state->mipFilter = D3DTEXF_NONE;
}

D3DCOLORVALUE ColourValueOf(D3DCOLOR colour) {
    const auto channel = [colour](int shift) { return (float)((colour >> shift) & 0xFF) / 255.0f; };
    return {channel(16), channel(8), channel(0), channel(24)};
}

D3DLIGHT9 DefaultLight() {
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse.r = light.Diffuse.g = light.Diffuse.b = 1.0f;
    light.Direction.z = 1.0f;
    return light;
}

const char* DrawPartName(DrawPart part) {
    switch (part) {
    case PART_NONE:
        return "draw";
    case PART_PROGRAM:
        return "program";
    case PART_CAMERA:
        return "camera";
    case PART_TRANSFORMS:
        return "transforms";
    case PART_LIGHTING:
        return "lighting";
    case PART_RASTER:
        return "raster";
    case PART_SAMPLER:
        return "texture";
    case PART_VERTEX_INPUT:
        return "vertex input";
    }
    return "unknown";
}
