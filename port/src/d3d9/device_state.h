// What a device's setters record, with Direct3D 9's defaults, and which parts of the draw are
// made from it. The GL calls that apply it happen at draw time (prepare_draw.cpp), from this
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

// The parts of a draw that are made from the record and kept until it changes, in the order the
// draw makes them (prepare_draw.cpp). As bits, so that one value names what a setter feeds.
enum DrawPart : unsigned {
    PART_NONE = 0,
    // Which fixed-function program draws (pipeline/program_key.h).
    PART_PROGRAM = 1u << 0,
    // What the programs' uniforms take from the camera and the lights alone, kept between draws
    // that change only the world matrix or the material: projection, view, lights, the back
    // buffer's size (CameraValues, pipeline/fixed_function_uniforms.h).
    PART_CAMERA = 1u << 1,
    // The programs' transform uniforms: world, view, projection and the back buffer's size.
    PART_TRANSFORMS = 1u << 2,
    // Their lighting uniforms: lights, view, material, global ambient.
    PART_LIGHTING = 1u << 3,
    // Depth test and function, culling, dithering.
    PART_RASTER = 1u << 4,
    // Stage 0's texture and its filters.
    PART_SAMPLER = 1u << 5,
    // The vertex format, the stream and the indices.
    PART_VERTEX_INPUT = 1u << 6,
};
const unsigned PART_COUNT = 7;

// The part's name as a person studying a frame reads it: "program", "camera", "transforms",
// "lighting", "raster", "texture", "vertex input"; "draw" for PART_NONE, the draw call itself.
const char* DrawPartName(DrawPart part);

// The part's place among the parts, from 0 to PART_COUNT - 1.
inline unsigned PartIndex(DrawPart part) {
    return (unsigned)__builtin_ctz(part);
}

// One version per part, raised by the setters whenever something the part is made from changes.
// Whoever makes a part keeps the version it made it at, and makes it again when that is older;
// the versions start ahead of any kept one, and only grow.
class StateVersions {
  public:
    StateVersions() {
        for (unsigned& version : versions_) {
            version = 1;
        }
    }
    // Raises the version of every part among parts.
    void MarkStale(unsigned parts) {
        for (unsigned index = 0; index < PART_COUNT; ++index) {
            versions_[index] += (parts >> index) & 1u;
        }
    }
    // The version of one part.
    unsigned Of(DrawPart part) const { return versions_[PartIndex(part)]; }

  private:
    unsigned versions_[PART_COUNT];
};

// The state of a new or reset device: identity transforms, no lights, a zero material, point
// sampling, and the render states' defaults (render_states.h).
void SetDefaultState(DeviceState* state, bool hasDepthBuffer);

// A D3DCOLOR's A, R, G and B bytes as floats from 0 to 1.
D3DCOLORVALUE ColourValueOf(D3DCOLOR colour);

// The light Direct3D uses when a light that was never set is enabled: white, directional,
// pointing along +Z.
D3DLIGHT9 DefaultLight();
