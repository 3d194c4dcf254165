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

// u_transforms: world, view and projection, then the one adjustment to OpenGL's clip space (see
// AdjustProjection); and world and view.
enum TransformMatrix { WORLD_VIEW_PROJECTION, WORLD_VIEW, TRANSFORM_MATRICES };
struct TransformUniforms {
    D3DMATRIX matrices[TRANSFORM_MATRICES];
};

// u_lighting: the scene colour, then four vectors for each enabled light in index order: the unit
// vector towards it in camera space, and its ambient, diffuse and specular colours already
// multiplied by the material's, the specular one with the material's power as its fourth.
enum LightVector { TOWARDS_LIGHT, LIGHT_AMBIENT, LIGHT_DIFFUSE, LIGHT_SPECULAR, LIGHT_VECTORS };
struct LightingUniforms {
    UINT lights;
    float vectors[1 + LIGHT_VECTORS * LIGHT_COUNT][4];
};

// Where in u_lighting a light's vector is.
inline unsigned LightingIndex(UINT light, LightVector vector) {
    return 1 + LIGHT_VECTORS * light + vector;
}

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
