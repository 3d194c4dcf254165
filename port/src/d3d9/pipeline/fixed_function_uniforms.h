// The values the fixed-function programs' uniforms take, computed from the recorded state on the
// CPU once per change rather than per vertex. What follows from the camera and the lights alone
// (CameraValues) is computed once per change of those, and shared by the draws in between.
#pragma once

#include "../device_state.h"

// The projection adjusted to OpenGL's clip space (AdjustProjection), and the enabled lights in
// index order, each as the unit vector towards it in camera space.
struct CameraValues {
    D3DMATRIX projection;
    UINT lights;
    float towardsLight[LIGHT_COUNT][3];
};

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

// From the projection, the view and the lights, on a width x height target.
CameraValues ComputeCamera(const DeviceState& state, UINT width, UINT height);
// From the world matrix, the view, the material and the global ambient, and the camera's values
// computed from the same state.
TransformUniforms ComputeTransforms(const DeviceState& state, const CameraValues& camera);
LightingUniforms ComputeLighting(const DeviceState& state, const CameraValues& camera);
