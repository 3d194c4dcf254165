// Each state the device draws with, changed between two draws of one frame: the quad drawn before
// the change and the one drawn after it must each show what Direct3D 9 draws with the state they
// were drawn under. The expected colours are worked by hand from Direct3D 9's lighting equations,
// texture filtering and depth, culling and transform conventions.
#include "test_device.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace {

// Two 64 x 64-pixel quads on a 128 x 256 target, one above the other, facing the camera at depth
// 0.5 with identity transforms (so positions are clip space and camera space at once). Their top
// edges sit an eighth of a pixel above a pixel boundary so that, on the stripes texture, pixel
// centres fall a quarter texel from a texel boundary, never on one.
const int WIDTH = 128;
const int HEIGHT = 256;
const float QUAD_LEFT = -0.5f;
const float QUAD_RIGHT = 0.5f;
const float TOP_QUAD_EDGES[2] = {0.751953125f, 0.2509765625f};
const float BOTTOM_QUAD_EDGES[2] = {-0.2490234375f, -0.7490234375f};
const float QUAD_Z = 0.5f;
// Each quad is sampled at u = 0.375, v = 0.501953125 (Direct3D samples pixel (x, y) at x, y).
const int SAMPLE_X = 56;
const int TOP_SAMPLE_Y = 64;
const int BOTTOM_SAMPLE_Y = 192;
const double SAMPLE_V = 0.501953125;

const D3DCOLOR CLEAR_COLOUR = 0xFF102030;
const Rgb CLEAR = {0x10, 0x20, 0x30};

// The scene every row starts from: one white directional light pointing along +Z, with ambient
// 0.2, onto a material of diffuse (0.6, 0.4, 0.2), ambient 1 and specular 0.25 (power 8); culling
// off. Head-on, N.L = 1: 0.2 + (0.6, 0.4, 0.2) = (0.8, 0.6, 0.4).
const Rgb LIT = {204, 153, 102};
// Turned from the light: the light's ambient 0.2 times the material's ambient 1.
const Rgb AMBIENT_ONLY = {51, 51, 51};

D3DLIGHT9 SceneLight(D3DVECTOR direction) {
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Specular = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Ambient = {0.2f, 0.2f, 0.2f, 1.0f};
    light.Direction = direction;
    return light;
}

D3DMATERIAL9 SceneMaterial(D3DCOLORVALUE diffuse, D3DCOLORVALUE emissive) {
    D3DMATERIAL9 material;
    std::memset(&material, 0, sizeof(material));
    material.Diffuse = diffuse;
    material.Ambient = {1.0f, 1.0f, 1.0f, 1.0f};
    material.Specular = {0.25f, 0.25f, 0.25f, 1.0f};
    material.Emissive = emissive;
    material.Power = 8.0f;
    return material;
}

// The specular colour 0.25 (N.H)^8 of the quads' vertex at camera-space (x, y, QUAD_Z), lit
// head-on (N = L = (0, 0, -1)), seen from the eye at the origin: H = normalize(V + L) with
// V = -normalize(p).
double LocalViewerSpecular(double x, double y) {
    const double length = std::sqrt(x * x + y * y + QUAD_Z * QUAD_Z);
    const double h[3] = {-x / length, -y / length, -QUAD_Z / length - 1.0};
    const double nh = -h[2] / std::sqrt(h[0] * h[0] + h[1] * h[1] + h[2] * h[2]);
    return 0.25 * std::pow(std::max(nh, 0.0), 8.0);
}

// LIT plus the local viewer's specular at the sample, interpolated (Gouraud) in the triangle of
// the quad's top-left, top-right and bottom-left corners, which holds the sample. By symmetry
// the top corners share one value.
Rgb LitWithLocalSpecular(const float edges[2]) {
    const double top = LocalViewerSpecular(QUAD_LEFT, edges[0]);
    const double bottom = LocalViewerSpecular(QUAD_LEFT, edges[1]);
    const double specular = 255.0 * (top + SAMPLE_V * (bottom - top));
    return {(int)std::lround(LIT.r + specular), (int)std::lround(LIT.g + specular),
            (int)std::lround(LIT.b + specular)};
}

// Seen from the eye at infinity, H = L = N: the whole 0.25 (63.75) on LIT, red saturating.
const Rgb LIT_WITH_SPECULAR = {255, 217, 166};

D3DMATRIX Matrix(const float (&rows)[4][4]) {
    D3DMATRIX matrix;
    std::memcpy(matrix.m, rows, sizeof(matrix.m));
    return matrix;
}

// Turns 180 degrees about Y and moves 1 along Z: a quad at depth 0.5 that is symmetric about
// x = 0 covers the same pixels, seen from behind (so it winds the other way).
const D3DMATRIX Y_TURN = Matrix({{-1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, -1, 0}, {0, 0, 1, 1}});
const D3DMATRIX FURTHER = Matrix({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0.25f, 1}});
const D3DMATRIX IDENTITY = Matrix({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
// Stretches depth by 4/3 (a quad at 0.5 moves to 0.667 over the same pixels): normals go
// through the inverse transpose, shrinking to 0.75.
const D3DMATRIX Z_STRETCH =
    Matrix({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 4.0f / 3.0f, 0}, {0, 0, 0, 1}});
// Moves depth by half of x (z' = z + x / 2), over the same pixels: the inverse transpose tilts
// the normal (0, 0, -1) to (0.5, 0, -1), where the matrix itself would leave it as it is.
const D3DMATRIX X_SHEAR = Matrix({{1, 0, 0.5f, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}});
// A perspective projection with near 0.25, far 1 and scale 0.5: at z = 0.5 (w = 0.5) x and y
// land where identity puts them; depth (4/3 * 0.5 - 1/3) / 0.5 = 2/3.
const D3DMATRIX PERSPECTIVE =
    Matrix({{0.5f, 0, 0, 0}, {0, 0.5f, 0, 0}, {0, 0, 4.0f / 3.0f, 1}, {0, 0, -1.0f / 3.0f, 0}});

// Textures, as B, G, R, X texels. A 1 x 1 texture of R 0x80, G 0xFF, B 0x40.
IDirect3DTexture9* Uniform(IDirect3DDevice9* device) {
    return CreateFilledTexture(device, 1, 1, {0x40, 0xFF, 0x80, 0});
}

// 2 x 2, columns of grey 0x60 and 0xA0: magnified, u = 0.375 is a quarter of the way from the
// first texel's centre to the second's.
IDirect3DTexture9* Columns(IDirect3DDevice9* device) {
    std::vector<uint8_t> texels;
    for (int texel = 0; texel < 4; ++texel) {
        texels.insert(texels.end(), 4, texel % 2 == 0 ? 0x60 : 0xA0);
    }
    return CreateFilledTexture(device, 2, 2, texels);
}

// 1 x 128, rows of grey 0x50 (even) and 0xB0 (odd): minified 2:1 over the 64-pixel quad, each
// pixel centre lies a quarter texel past the top of an even row.
IDirect3DTexture9* Stripes(IDirect3DDevice9* device) {
    std::vector<uint8_t> texels;
    for (int row = 0; row < 128; ++row) {
        texels.insert(texels.end(), 4, row % 2 == 0 ? 0x50 : 0xB0);
    }
    return CreateFilledTexture(device, 1, 128, texels);
}

// 128 x 128 with its full chain: level 0 grey 0x40, level 1 grey 0xC0, the rest 0x80. Drawn
// over 64 x 64 pixels, level 1 is the one at the drawn size.
IDirect3DTexture9* Levels(IDirect3DDevice9* device) {
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(D3D_OK, device->CreateTexture(128, 128, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED,
                                            &texture, nullptr));
    if (texture == nullptr) {
        return nullptr;
    }
    for (UINT level = 0; level < texture->GetLevelCount(); ++level) {
        const UINT side = 128u >> level;
        const uint8_t grey = level == 0 ? 0x40 : level == 1 ? 0xC0 : 0x80;
        FillLevel(texture, level, side, std::vector<uint8_t>((size_t)side * side * 4, grey));
    }
    return texture;
}

// Every term of the lit colour with a value of its own in each channel, for a light along +Z.
D3DLIGHT9 ColouredLight() {
    D3DLIGHT9 light = SceneLight({0.0f, 0.0f, 1.0f});
    light.Diffuse = {0.9f, 0.5f, 0.3f, 1.0f};
    light.Ambient = {0.1f, 0.2f, 0.3f, 1.0f};
    light.Specular = {0.2f, 0.4f, 0.6f, 1.0f};
    return light;
}

D3DMATERIAL9 ColouredMaterial() {
    D3DMATERIAL9 material = SceneMaterial({0.5f, 0.6f, 0.7f, 1.0f}, {0.05f, 0.1f, 0.15f, 0.0f});
    material.Ambient = {0.4f, 0.3f, 0.2f, 1.0f};
    material.Specular = {0.25f, 0.5f, 0.125f, 1.0f};
    return material;
}

// Specular 1 with power 1, so that any highlight shows at full strength.
D3DMATERIAL9 ShinyMaterial() {
    D3DMATERIAL9 material = SceneMaterial({0.6f, 0.4f, 0.2f, 1.0f}, {0.0f, 0.0f, 0.0f, 0.0f});
    material.Specular = {1.0f, 1.0f, 1.0f, 1.0f};
    material.Power = 1.0f;
    return material;
}

using Change = std::function<HRESULT(IDirect3DDevice9*)>;

Change RenderState(D3DRENDERSTATETYPE state, DWORD value) {
    return [=](IDirect3DDevice9* device) { return device->SetRenderState(state, value); };
}

// The type is kept as a DWORD: D3DTS_WORLD (256) lies outside the values the stand-in's
// enumeration declares, and a stored enumeration holding it is undefined behaviour.
Change Transform(DWORD type, const D3DMATRIX& matrix) {
    return [=](IDirect3DDevice9* device) {
        return device->SetTransform((D3DTRANSFORMSTATETYPE)type, &matrix);
    };
}

Change Light(DWORD index, const D3DLIGHT9& light) {
    return [=](IDirect3DDevice9* device) { return device->SetLight(index, &light); };
}

Change LightOn(DWORD index, BOOL on) {
    return [=](IDirect3DDevice9* device) { return device->LightEnable(index, on); };
}

Change Material(const D3DMATERIAL9& material) {
    return [=](IDirect3DDevice9* device) { return device->SetMaterial(&material); };
}

Change Sampler(D3DSAMPLERSTATETYPE type, DWORD value) {
    return [=](IDirect3DDevice9* device) { return device->SetSamplerState(0, type, value); };
}

// Binds a texture made on the row's device; the device keeps it alive while bound.
Change Texture(IDirect3DTexture9* (*make)(IDirect3DDevice9*)) {
    return [=](IDirect3DDevice9* device) {
        IDirect3DTexture9* texture = make(device);
        if (texture == nullptr) {
            // CreateFilledTexture has reported why.
            return E_INVALIDARG;
        }
        const HRESULT bound = device->SetTexture(0, texture);
        texture->Release();
        return bound;
    };
}

struct Row {
    const char* name;
    std::vector<Change> before;
    std::vector<Change> after;
    Rgb first;  // the top quad, drawn after `before`
    Rgb second; // the bottom quad, drawn after `after`
    float clearZ = 1.0f;
    // The length of the vertices' normals.
    float normalLength = 1.0f;
    // The second draw is in the next frame, after Present, rather than in the same one.
    bool nextFrame = false;
};

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        // Global ambient 0x203040 adds itself times the material's ambient 1.
        {"AMBIENT", {}, {RenderState(D3DRS_AMBIENT, 0x00203040)}, LIT, {236, 201, 166}},
        // Unlit vertices without a colour of their own are white.
        {"LIGHTING", {}, {RenderState(D3DRS_LIGHTING, FALSE)}, LIT, {255, 255, 255}},
        {"SPECULARENABLE",
         {},
         {RenderState(D3DRS_SPECULARENABLE, TRUE)},
         LIT,
         LitWithLocalSpecular(BOTTOM_QUAD_EDGES)},
        {"LOCALVIEWER",
         {RenderState(D3DRS_SPECULARENABLE, TRUE)},
         {RenderState(D3DRS_LOCALVIEWER, FALSE)},
         LitWithLocalSpecular(TOP_QUAD_EDGES),
         LIT_WITH_SPECULAR},
        // Vertices carry no specular colour, so the material's is used whatever the source.
        {"SPECULARMATERIALSOURCE",
         {RenderState(D3DRS_SPECULARENABLE, TRUE), RenderState(D3DRS_LOCALVIEWER, FALSE)},
         {RenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL)},
         LIT_WITH_SPECULAR,
         LIT_WITH_SPECULAR},
        // Normals of length 0.5: N.L = 0.5 gives 0.2 + 0.5 (0.6, 0.4, 0.2) until normalised.
        {"NORMALIZENORMALS",
         {},
         {RenderState(D3DRS_NORMALIZENORMALS, TRUE)},
         {128, 102, 77},
         LIT,
         1.0f,
         0.5f},
        // The depth buffer is cleared to 0.25, in front of the quads.
        {"ZENABLE", {}, {RenderState(D3DRS_ZENABLE, D3DZB_FALSE)}, CLEAR, LIT, 0.25f},
        {"ZFUNC", {}, {RenderState(D3DRS_ZFUNC, D3DCMP_GREATER)}, CLEAR, LIT, 0.25f},
        // The quads wind clockwise on screen: CW culls them, CCW keeps them.
        {"CULLMODE CW", {}, {RenderState(D3DRS_CULLMODE, D3DCULL_CW)}, LIT, CLEAR},
        {"CULLMODE CCW",
         {RenderState(D3DRS_CULLMODE, D3DCULL_CW)},
         {RenderState(D3DRS_CULLMODE, D3DCULL_CCW)},
         CLEAR,
         LIT},
        {"DITHERENABLE", {}, {RenderState(D3DRS_DITHERENABLE, TRUE)}, LIT, LIT},
        // The world turns the normal from the light; the light stays where it was.
        {"WORLD", {}, {Transform(D3DTS_WORLD, Y_TURN)}, LIT, AMBIENT_ONLY},
        // N.L = 0.75: 0.2 + 0.75 (0.6, 0.4, 0.2).
        {"WORLD stretched", {}, {Transform(D3DTS_WORLD, Z_STRETCH)}, LIT, {166, 128, 89}},
        // Light along (-1, 0, 1): N.L = 0.7071 head-on, 0.2 + 0.7071 (0.6, 0.4, 0.2); sheared,
        // N.L = (0.5 + 1) / sqrt(2) = 1.0607: 0.2 + 1.0607 (0.6, 0.4, 0.2).
        {"WORLD sheared",
         {Light(0, SceneLight({-1.0f, 0.0f, 1.0f}))},
         {Transform(D3DTS_WORLD, X_SHEAR)},
         {159, 123, 87},
         {213, 159, 105}},
        // The view turns normal and light alike: still head-on.
        {"VIEW turning", {}, {Transform(D3DTS_VIEW, Y_TURN)}, LIT, LIT},
        // Moved to depth 0.75, behind the depth buffer's 0.6, then back.
        {"VIEW moving",
         {Transform(D3DTS_VIEW, FURTHER)},
         {Transform(D3DTS_VIEW, IDENTITY)},
         CLEAR,
         LIT,
         0.6f},
        // Depth 2/3 behind the depth buffer's 0.6, then 0.5 in front of it.
        {"PROJECTION",
         {Transform(D3DTS_PROJECTION, PERSPECTIVE)},
         {Transform(D3DTS_PROJECTION, IDENTITY)},
         CLEAR,
         LIT,
         0.6f},
        // Direction (0, 2, 2), normalised: N.L = 0.7071 gives 0.2 + 0.7071 (0.6, 0.4, 0.2).
        {"SetLight", {}, {Light(0, SceneLight({0.0f, 2.0f, 2.0f}))}, LIT, {159, 123, 87}},
        // No light: emissive 0 plus the global ambient 0.
        {"LightEnable off", {}, {LightOn(0, FALSE)}, LIT, {0, 0, 0}},
        // A light never set is white, along +Z: another (0.6, 0.4, 0.2) on LIT.
        {"LightEnable default light", {}, {LightOn(1, TRUE)}, LIT, {255, 255, 153}},
        // Emissive (0.2, 0, 0) + ambient 0.2 + diffuse (0.2, 0.4, 0.6).
        {"SetMaterial",
         {},
         {Material(SceneMaterial({0.2f, 0.4f, 0.6f, 1.0f}, {0.2f, 0.0f, 0.0f, 0.0f}))},
         LIT,
         {153, 153, 204}},
        // Channel by channel: emissive + Ma (global ambient (0x40, 0x60, 0x80) / 255) + Ma La +
        // Md Ld, plus Ms Ls (eye at infinity, head-on: N.H = 1):
        // r 0.05 + 0.1004 + 0.04 + 0.45 + 0.05, g 0.1 + 0.1129 + 0.06 + 0.3 + 0.2,
        // b 0.15 + 0.1004 + 0.06 + 0.21 + 0.075.
        {"every lit term, channel by channel",
         {},
         {Light(0, ColouredLight()), Material(ColouredMaterial()),
          RenderState(D3DRS_AMBIENT, 0x00406080), RenderState(D3DRS_SPECULARENABLE, TRUE),
          RenderState(D3DRS_LOCALVIEWER, FALSE)},
         LIT,
         {176, 197, 152}},
        // A light from behind the face (N.L = -0.0995) lights no highlight, though N.H = 0.67:
        // the light's ambient 0.2 alone. Head-on, diffuse and the whole specular saturate.
        {"specular only where the light reaches",
         {Material(ShinyMaterial()), RenderState(D3DRS_SPECULARENABLE, TRUE),
          RenderState(D3DRS_LOCALVIEWER, FALSE)},
         {Light(0, SceneLight({1.0f, 0.0f, -0.1f}))},
         {255, 255, 255},
         AMBIENT_ONLY},
        // Stage 0 modulates: LIT times (0x80, 0xFF, 0x40) / 255.
        {"SetTexture", {}, {Texture(Uniform)}, LIT, {102, 153, 26}},
        // Point: grey 0x60 (96); linear: 0.75 * 96 + 0.25 * 160 = 112; each times LIT / 255.
        {"MAGFILTER",
         {Texture(Columns)},
         {Sampler(D3DSAMP_MAGFILTER, D3DTEXF_LINEAR)},
         {77, 58, 38},
         {90, 67, 45}},
        // Point: grey 0x50 (80); linear: 0.75 * 80 + 0.25 * 176 = 104; each times LIT / 255.
        {"MINFILTER",
         {Texture(Stripes)},
         {Sampler(D3DSAMP_MINFILTER, D3DTEXF_LINEAR)},
         {64, 48, 32},
         {83, 62, 42}},
        // No mip filter: level 0, grey 0x40 (64); point: level 1, grey 0xC0 (192); times LIT.
        {"MIPFILTER",
         {Texture(Levels)},
         {Sampler(D3DSAMP_MIPFILTER, D3DTEXF_POINT)},
         {51, 38, 26},
         {154, 115, 77}},
        // Set in one frame, still in force in the next: ambient, texture and depth test.
        // (236, 201, 166) times (0x80, 0xFF, 0x40) / 255.
        {"state kept over Present",
         {RenderState(D3DRS_AMBIENT, 0x00203040), Texture(Uniform),
          RenderState(D3DRS_ZFUNC, D3DCMP_GREATER)},
         {},
         {118, 201, 42},
         {118, 201, 42},
         0.25f,
         1.0f,
         true},
    };
    return rows;
}

std::vector<TexturedSceneVertex> Quads(float normalLength) {
    std::vector<TexturedSceneVertex> vertices;
    for (const float* edges : {TOP_QUAD_EDGES, BOTTOM_QUAD_EDGES}) {
        for (int corner = 0; corner < 4; ++corner) {
            const float u = (float)(corner % 2);
            const float v = (float)(corner / 2);
            vertices.push_back({u == 0.0f ? QUAD_LEFT : QUAD_RIGHT, edges[corner / 2], QUAD_Z, 0.0f,
                                0.0f, -normalLength, u, v});
        }
    }
    return vertices;
}

void Apply(IDirect3DDevice9* device, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        EXPECT_EQ(D3D_OK, change(device));
    }
}

// Draws one of the quads: the bound buffers hold the top quad's four vertices, then the
// bottom's.
void DrawQuad(IDirect3DDevice9* device, INT firstVertex) {
    EXPECT_EQ(D3D_OK, device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, firstVertex, 0, 4, 0, 2));
}

void StartFrame(IDirect3DDevice9* device, float clearZ) {
    EXPECT_EQ(D3D_OK, device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, CLEAR_COLOUR,
                                    clearZ, 0));
    EXPECT_EQ(D3D_OK, device->BeginScene());
}

void CheckRow(const Row& row) {
    TestDevice test(WIDTH, HEIGHT);
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    test.BindMesh(Quads(row.normalLength), RectangleIndices());
    const D3DLIGHT9 light = SceneLight({0.0f, 0.0f, 1.0f});
    const D3DMATERIAL9 material = SceneMaterial({0.6f, 0.4f, 0.2f, 1.0f}, {0.0f, 0.0f, 0.0f, 0.0f});
    ASSERT_EQ(D3D_OK, device->SetLight(0, &light));
    ASSERT_EQ(D3D_OK, device->LightEnable(0, TRUE));
    ASSERT_EQ(D3D_OK, device->SetMaterial(&material));
    ASSERT_EQ(D3D_OK, device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE));

    Apply(device, row.before);
    StartFrame(device, row.clearZ);
    DrawQuad(device, 0);
    Picture first;
    if (row.nextFrame) {
        EXPECT_EQ(D3D_OK, device->EndScene());
        first = test.ReadBack();
        EXPECT_EQ(D3D_OK, device->Present(nullptr, nullptr, nullptr, nullptr));
        StartFrame(device, row.clearZ);
    }
    Apply(device, row.after);
    DrawQuad(device, 4);
    EXPECT_EQ(D3D_OK, device->EndScene());
    const Picture second = test.ReadBack();
    if (!row.nextFrame) {
        first = second;
    }
    EXPECT_TRUE(PixelNear(first, SAMPLE_X, TOP_SAMPLE_Y, row.first, 2)) << "before the change";
    EXPECT_TRUE(PixelNear(second, SAMPLE_X, BOTTOM_SAMPLE_Y, row.second, 2)) << "after it";
}

} // namespace

TEST(StateChangePictures, EachDrawShowsTheStateItWasDrawnWith) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.name);
        CheckRow(row);
    }
}
