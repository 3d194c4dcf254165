// What a device's setters record, with Direct3D 9's defaults, and which parts of the draw are
// made from it. The GL calls that apply it happen at draw time (apply_state.cpp), from this
// record alone.
#pragma once

#include <d3d9.h>

const UINT RENDER_STATE_COUNT = 256;
const UINT LIGHT_COUNT = 8;

struct LightSlot {
    D3DLIGHT9 light;
    BOOL enabled;
};

struct DeviceState {
    // Indexed by D3DRENDERSTATETYPE; the states of render_states.h.
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

// The parts of a draw that are made from the record and kept until it changes.
enum DrawPart : unsigned {
    // Which fixed-function program draws (pipeline/program_key.h).
    PART_PROGRAM,
    // The programs' transform uniforms: world, view, projection and the back buffer's size.
    PART_TRANSFORMS,
    // Their lighting uniforms: lights, view, material, global ambient.
    PART_LIGHTING,
    PART_COUNT,
};

// What a recorded value feeds: DrawPart bits, or the raster state (depth test and function,
// culling, dithering), which every draw hands to the GL state cache (gl_state_cache.h).
enum Feeds : unsigned {
    FEEDS_NOTHING = 0,
    FEEDS_PROGRAM = 1u << PART_PROGRAM,
    FEEDS_TRANSFORMS = 1u << PART_TRANSFORMS,
    FEEDS_LIGHTING = 1u << PART_LIGHTING,
    FEEDS_RASTER = 1u << PART_COUNT,
};

// One version per part, raised by the setters whenever something the part is made from changes.
// Whoever makes a part keeps the version it made it at, and makes it again when that is older;
// the versions start ahead of any kept one, and only grow.
struct StateVersions {
    unsigned of[PART_COUNT] = {1, 1, 1};

    void MarkStale(unsigned feeds) {
        for (unsigned part = 0; part < PART_COUNT; ++part) {
            of[part] += (feeds >> part) & 1u;
        }
    }
};

// The state of a new or reset device: identity transforms, no lights, a zero material, point
// sampling, and the render states' defaults (render_states.h).
void SetDefaultState(DeviceState* state, bool hasDepthBuffer);

// The light Direct3D uses when a light that was never set is enabled: white, directional,
// pointing along +Z.
D3DLIGHT9 DefaultLight();
