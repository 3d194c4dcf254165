// The values the fixed-function programs' uniforms take, computed from the recorded state on the
// CPU once per change rather than per vertex.
#pragma once

#include "../device_state.h"

struct TransformUniforms {
    // World, view and projection, then the one adjustment to OpenGL's clip space (see
    // AdjustProjection).
    D3DMATRIX worldViewProjection;
    D3DMATRIX worldView;
};

// The enabled lights in index order, each with its direction in camera space and its colours
// already multiplied by the material's.
struct LightingUniforms {
    float sceneColour[4];
    UINT lights;
    float towardsLight[LIGHT_COUNT][3];
    float ambient[LIGHT_COUNT][3];
    float diffuse[LIGHT_COUNT][3];
    float specular[LIGHT_COUNT][3];
    float power;
};

// Direct3D's product a * b of row-vector matrices.
D3DMATRIX Multiply(const D3DMATRIX& a, const D3DMATRIX& b);

// The projection followed in clip space by the shift of pixel centres by 63/64 of half a pixel
// right and down on a width x height target (x + kx w, y - ky w), and Direct3D's depth range [0, w]
// moved to OpenGL's [-w, w] (z' = 2z - w), so that clipping and window depth come out as
// Direct3D's.
D3DMATRIX AdjustProjection(const D3DMATRIX& projection, UINT width, UINT height);

TransformUniforms ComputeTransforms(const DeviceState& state, UINT width, UINT height);
LightingUniforms ComputeLighting(const DeviceState& state);
