// What a device's setters record, with Direct3D 9's defaults. The GL calls that apply it happen
// at draw time (apply_state.cpp), from this record alone.
#pragma once

#include <d3d9.h>

const UINT RENDER_STATE_COUNT = 256;
const UINT LIGHT_COUNT = 8;

struct LightSlot {
    D3DLIGHT9 light;
    BOOL enabled;
};

struct DeviceState {
    DWORD renderStates[RENDER_STATE_COUNT];
    D3DMATRIX world;
    D3DMATRIX view;
    D3DMATRIX projection;
    LightSlot lights[LIGHT_COUNT];
    D3DMATERIAL9 material;
    DWORD minFilter;
    DWORD magFilter;
    DWORD mipFilter;
    DWORD fvf;
    UINT streamOffset;
    UINT streamStride;
};

// Parts of the record changed since the last draw applied it.
enum DirtyState : unsigned {
    // Depth test, culling, dithering.
    DIRTY_RENDER_STATES = 1u << 0,
    // What selects the fixed-function program (pipeline/program_key.h).
    DIRTY_PROGRAM = 1u << 1,
    // World, view, projection, and the back buffer's size.
    DIRTY_TRANSFORMS = 1u << 2,
    // Lights, view, material, global ambient.
    DIRTY_LIGHTING = 1u << 3,
    DIRTY_TEXTURE = 1u << 4,
    DIRTY_VERTEX_INPUT = 1u << 5,
    DIRTY_INDICES = 1u << 6,
    DIRTY_ALL = (1u << 7) - 1,
};

// The state of a new or reset device: identity transforms, no lights, a zero material, point
// sampling, and the render states' defaults (depth test on only with an automatic depth buffer).
void SetDefaultState(DeviceState* state, bool hasDepthBuffer);

// The light Direct3D uses when a light that was never set is enabled: white, directional,
// pointing along +Z.
D3DLIGHT9 DefaultLight();
