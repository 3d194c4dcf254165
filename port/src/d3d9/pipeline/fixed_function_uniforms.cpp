#include "fixed_function_uniforms.h"

#include <algorithm>
#include <cmath>

namespace {

// Direct3D puts pixel centres on integer coordinates, OpenGL half a pixel further on; the shift
// after projection uses 63/64 of that half pixel, as Wine does, so that the top-left fill rule
// still decides pixels whose centre lies exactly on an edge.
const float PIXEL_CENTRE_SHIFT = 63.0f / 64.0f;

void Product(const D3DCOLORVALUE& a, const D3DCOLORVALUE& b, float out[3]) {
    out[0] = a.r * b.r;
    out[1] = a.g * b.g;
    out[2] = a.b * b.b;
}

// The unit vector towards a directional light, in camera space: the normalised direction
// reversed, then turned by the view.
void TowardsLight(const D3DVECTOR& direction, const D3DMATRIX& view, float out[3]) {
    const D3DVECTOR& d = direction;
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    const float towards[3] = {-d.x / length, -d.y / length, -d.z / length};
    float turned[3];
    for (int column = 0; column < 3; ++column) {
        turned[column] = towards[0] * view.m[0][column] + towards[1] * view.m[1][column] +
                         towards[2] * view.m[2][column];
    }
    const float turnedLength =
        std::sqrt(turned[0] * turned[0] + turned[1] * turned[1] + turned[2] * turned[2]);
    for (int column = 0; column < 3; ++column) {
        out[column] = turned[column] / turnedLength;
    }
}

} // namespace

D3DMATRIX Multiply(const D3DMATRIX& a, const D3DMATRIX& b) {
    D3DMATRIX product;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            product.m[row][column] = a.m[row][0] * b.m[0][column] + a.m[row][1] * b.m[1][column] +
                                     a.m[row][2] * b.m[2][column] + a.m[row][3] * b.m[3][column];
        }
    }
    return product;
}

D3DMATRIX AdjustProjection(const D3DMATRIX& projection, UINT width, UINT height) {
    const float kx = PIXEL_CENTRE_SHIFT / (float)width;
    const float ky = PIXEL_CENTRE_SHIFT / (float)height;
    D3DMATRIX adjusted;
    for (int row = 0; row < 4; ++row) {
        const float w = projection.m[row][3];
        adjusted.m[row][0] = projection.m[row][0] + w * kx;
        adjusted.m[row][1] = projection.m[row][1] - w * ky;
        adjusted.m[row][2] = 2.0f * projection.m[row][2] - w;
        adjusted.m[row][3] = w;
    }
    return adjusted;
}

CameraValues ComputeCamera(const DeviceState& state, UINT width, UINT height) {
    CameraValues camera = {};
    camera.projection = AdjustProjection(state.projection, width, height);
    for (const LightSlot& slot : state.lights) {
        if (slot.enabled) {
            TowardsLight(slot.light.Direction, state.view, camera.towardsLight[camera.lights++]);
        }
    }
    return camera;
}

TransformUniforms ComputeTransforms(const DeviceState& state, const CameraValues& camera) {
    TransformUniforms uniforms;
    D3DMATRIX* matrices = uniforms.matrices;
    matrices[WORLD_VIEW] = Multiply(state.world, state.view);
    matrices[WORLD_VIEW_PROJECTION] = Multiply(matrices[WORLD_VIEW], camera.projection);
    return uniforms;
}

LightingUniforms ComputeLighting(const DeviceState& state, const CameraValues& camera) {
    LightingUniforms uniforms = {};
    const D3DMATERIAL9& material = state.material;
    const D3DCOLORVALUE global = ColourValueOf(state.renderStates[D3DRS_AMBIENT]);
    float* sceneColour = uniforms.vectors[0];
    Product(material.Ambient, global, sceneColour);
    sceneColour[0] += material.Emissive.r;
    sceneColour[1] += material.Emissive.g;
    sceneColour[2] += material.Emissive.b;
    sceneColour[3] = material.Diffuse.a;
    // Highlights off leave the specular colours black, and the power 1, so that the program's
    // unused highlight stays finite.
    const bool highlights = state.renderStates[D3DRS_SPECULARENABLE] != FALSE;
    for (const LightSlot& slot : state.lights) {
        if (!slot.enabled) {
            continue;
        }
        const UINT i = uniforms.lights++;
        std::copy(camera.towardsLight[i], camera.towardsLight[i] + 3,
                  uniforms.vectors[LightingIndex(i, TOWARDS_LIGHT)]);
        Product(material.Ambient, slot.light.Ambient,
                uniforms.vectors[LightingIndex(i, LIGHT_AMBIENT)]);
        Product(material.Diffuse, slot.light.Diffuse,
                uniforms.vectors[LightingIndex(i, LIGHT_DIFFUSE)]);
        float* specular = uniforms.vectors[LightingIndex(i, LIGHT_SPECULAR)];
        if (highlights) {
            Product(material.Specular, slot.light.Specular, specular);
        }
        specular[3] = highlights ? material.Power : 1.0f;
    }
    return uniforms;
}
