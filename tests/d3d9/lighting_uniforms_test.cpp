// The lighting uniforms computed from the recorded state, read as the fixed-function program
// reads them, against Direct3D 9's lighting equations worked by hand.
#include "../../port/src/d3d9/pipeline/fixed_function_uniforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

struct Colour {
    float r, g, b;
};

D3DLIGHT9 WhiteLight(D3DVECTOR direction, float diffuse, float ambient) {
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {diffuse, diffuse, diffuse, 1};
    light.Ambient = {ambient, ambient, ambient, 1};
    light.Specular = {1, 1, 1, 1};
    light.Direction = direction;
    return light;
}

// Light 0 white along +Z with ambient 0.2; material diffuse (0.6, 0.4, 0.2), ambient 1, specular
// 0.25, power 4, highlights on.
DeviceState Scene() {
    DeviceState state;
    SetDefaultState(&state, true);
    state.renderStates[D3DRS_SPECULARENABLE] = TRUE;
    state.material.Diffuse = {0.6f, 0.4f, 0.2f, 1};
    state.material.Ambient = {1, 1, 1, 1};
    state.material.Specular = {0.25f, 0.25f, 0.25f, 1};
    state.material.Power = 4;
    state.lights[0] = {WhiteLight({0, 0, 1}, 1, 0.2f), TRUE};
    return state;
}

float Clamped(float value) {
    return std::min(std::max(value, 0.0f), 1.0f);
}

float Dot(const float a[3], const float b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// A vertex with camera-space normal n lit with the uniforms, the eye at infinity (towards it
// (0, 0, -1)): diffuse = scene colour + sum of ambient + diffuse max(n.L, 0); specular = sum of
// specular max(n.H, 0)^power where n.L > 0, H = normalize(L + (0, 0, -1)); each clamped.
// The uniforms are read by place: the scene colour first, then per light the vector towards it,
// ambient, diffuse, and specular with the power fourth.
void Light(const LightingUniforms& uniforms, const float n[3], Colour* diffuse, Colour* specular) {
    const float(*v)[4] = uniforms.vectors;
    float d[3] = {v[0][0], v[0][1], v[0][2]};
    float s[3] = {0, 0, 0};
    for (UINT i = 0; i < uniforms.lights; ++i) {
        const float* towards = v[1 + 4 * i];
        const float facing = Dot(n, towards);
        float h[3] = {towards[0], towards[1], towards[2] - 1};
        const float length = std::sqrt(Dot(h, h));
        const float* specularAndPower = v[4 + 4 * i];
        const float highlight =
            facing > 0 ? std::pow(std::max(Dot(n, h) / length, 0.0f), specularAndPower[3]) : 0;
        for (int c = 0; c < 3; ++c) {
            d[c] += v[2 + 4 * i][c] + v[3 + 4 * i][c] * std::max(facing, 0.0f);
            s[c] += specularAndPower[c] * highlight;
        }
    }
    *diffuse = {Clamped(d[0]), Clamped(d[1]), Clamped(d[2])};
    *specular = {Clamped(s[0]), Clamped(s[1]), Clamped(s[2])};
}

struct Case {
    const char* name;
    void (*change)(DeviceState*);
    float normal[3];
    Colour diffuse;
    Colour specular;
};

void Unchanged(DeviceState*) {}

// Global ambient (0x80, 0x40, 0) times the material's ambient 1.
void GlobalAmbient(DeviceState* state) {
    state->renderStates[D3DRS_AMBIENT] = 0x00804000;
}

void UnnormalisedDirection(DeviceState* state) {
    state->lights[0].light.Direction = {0, 3, 4};
}

// The view turns 90 degrees about Y: world -X is camera +Z.
void TurnedView(DeviceState* state) {
    state->lights[0].light.Direction = {-1, 0, 0};
    state->view._11 = 0;
    state->view._13 = -1;
    state->view._31 = 1;
    state->view._33 = 0;
}

// Light 1 off, light 2 on with diffuse 0.5 and no ambient; emissive blue 0.1.
void SecondLightAndEmissive(DeviceState* state) {
    state->lights[1] = {WhiteLight({1, 0, 0}, 1, 1), FALSE};
    state->lights[2] = {WhiteLight({0, 0, 1}, 0.5f, 0), TRUE};
    state->material.Emissive = {0, 0, 0.1f, 0};
}

// Highlights off, with a power that would make the highlight's term undefined.
void HighlightsOff(DeviceState* state) {
    state->renderStates[D3DRS_SPECULARENABLE] = FALSE;
    state->material.Power = 0;
}

} // namespace

TEST(LightingUniforms, LightAVertexAsDirect3DDoes) {
    const Case cases[] = {
        // 0.2 + (0.6, 0.4, 0.2); the highlight straight on: 0.25.
        {"head-on", Unchanged, {0, 0, -1}, {0.8f, 0.6f, 0.4f}, {0.25f, 0.25f, 0.25f}},
        // Turned away: the light's ambient alone, no highlight.
        {"turned away", Unchanged, {0, 0, 1}, {0.2f, 0.2f, 0.2f}, {0, 0, 0}},
        // 60 degrees off: N.L = N.H = 0.5: 0.2 + 0.5 (0.6, 0.4, 0.2); 0.25 * 0.5^4.
        {"at 60 degrees",
         Unchanged,
         {0, 0.8660254f, -0.5f},
         {0.5f, 0.4f, 0.3f},
         {0.015625f, 0.015625f, 0.015625f}},
        // Plus 128/255 and 64/255.
        {"global ambient", GlobalAmbient, {0, 0, -1}, {1, 0.85098f, 0.4f}, {0.25f, 0.25f, 0.25f}},
        // L = (0, -0.6, -0.8): N.L = 0.8 gives 0.2 + 0.8 (0.6, 0.4, 0.2); H along (0, -0.6,
        // -1.8), N.H^2 = 0.9: 0.25 * 0.81.
        {"unnormalised direction",
         UnnormalisedDirection,
         {0, 0, -1},
         {0.68f, 0.52f, 0.36f},
         {0.2025f, 0.2025f, 0.2025f}},
        // Head-on once the view has turned the light; unturned it would graze the face.
        {"turned view", TurnedView, {0, 0, -1}, {0.8f, 0.6f, 0.4f}, {0.25f, 0.25f, 0.25f}},
        // 0.2 + (0.6, 0.4, 0.2) + 0.5 (0.6, 0.4, 0.2) + (0, 0, 0.1), red clamped; two highlights.
        {"lights 0 and 2, emissive",
         SecondLightAndEmissive,
         {0, 0, -1},
         {1, 0.8f, 0.6f},
         {0.5f, 0.5f, 0.5f}},
        // The same program draws without highlights: lit as head-on, no specular colour.
        {"highlights off", HighlightsOff, {0, 0, -1}, {0.8f, 0.6f, 0.4f}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceState state = Scene();
        c.change(&state);
        Colour diffuse;
        Colour specular;
        Light(ComputeLighting(state, ComputeCamera(state, 640, 480)), c.normal, &diffuse,
              &specular);
        EXPECT_NEAR(c.diffuse.r, diffuse.r, 1e-4);
        EXPECT_NEAR(c.diffuse.g, diffuse.g, 1e-4);
        EXPECT_NEAR(c.diffuse.b, diffuse.b, 1e-4);
        EXPECT_NEAR(c.specular.r, specular.r, 1e-4);
        EXPECT_NEAR(c.specular.g, specular.g, 1e-4);
        EXPECT_NEAR(c.specular.b, specular.b, 1e-4);
    }
}
