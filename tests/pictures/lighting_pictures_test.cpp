// What the stand-in draws for lit scenes, checked against the values Direct3D 9 produces.
#include "test_device.h"

#include <cstring>

namespace {

const D3DVECTOR TOWARDS_CAMERA = {0.0f, 0.0f, -1.0f};

D3DCOLORVALUE Colour(float r, float g, float b) {
    return {r, g, b, 1.0f};
}

// 5 x 5 vertices over the whole target at depth z, facing the camera.
void BindGrid(TestDevice* test, float z) {
    std::vector<SceneVertex> vertices;
    std::vector<WORD> indices;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            vertices.push_back({-1.0f + 0.5f * column, 1.0f - 0.5f * row, z, 0.0f, 0.0f, -1.0f});
        }
    }
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const WORD corner = (WORD)(row * 5 + column);
            const WORD quad[6] = {corner,
                                  (WORD)(corner + 1),
                                  (WORD)(corner + 5),
                                  (WORD)(corner + 5),
                                  (WORD)(corner + 1),
                                  (WORD)(corner + 6)};
            indices.insert(indices.end(), quad, quad + 6);
        }
    }
    test->BindMesh(vertices, indices);
}

// Wine's specular test: a white specular light along +Z onto a quad at z = 1, exponent 30.
void DrawSpecularScene(TestDevice* test, BOOL localViewer) {
    IDirect3DDevice9* device = test->device;
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Specular = Colour(1.0f, 1.0f, 1.0f);
    light.Direction = {0.0f, 0.0f, 1.0f};
    D3DMATERIAL9 material;
    std::memset(&material, 0, sizeof(material));
    material.Specular = Colour(1.0f, 1.0f, 1.0f);
    material.Power = 30.0f;
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    device->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    device->SetRenderState(D3DRS_LOCALVIEWER, localViewer);
    device->SetLight(0, &light);
    device->LightEnable(0, TRUE);
    device->SetMaterial(&material);
    BindGrid(test, 1.0f);
    device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    test->DrawMesh();
}

} // namespace

TEST(LightingPictures, SpecularHighlightFollowsTheLocalViewer) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    DrawSpecularScene(&test, TRUE);
    const Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 320, 240, {0xff, 0xff, 0xff}, 1));
    for (const POINT edge : {POINT{320, 120}, POINT{160, 240}, POINT{480, 240}, POINT{320, 360}}) {
        EXPECT_TRUE(PixelNear(picture, edge.x, edge.y, {0x71, 0x71, 0x71}, 1));
    }
    for (const POINT corner :
         {POINT{160, 120}, POINT{480, 120}, POINT{160, 360}, POINT{480, 360}}) {
        EXPECT_TRUE(PixelNear(picture, corner.x, corner.y, {0x3c, 0x3c, 0x3c}, 1));
    }
}

TEST(LightingPictures, SpecularWithoutLocalViewerIsEvenEverywhere) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    DrawSpecularScene(&test, FALSE);
    const Picture picture = test.ReadBack();
    for (const POINT sample :
         {POINT{320, 240}, POINT{320, 120}, POINT{160, 120}, POINT{480, 360}}) {
        EXPECT_TRUE(PixelNear(picture, sample.x, sample.y, {0xff, 0xff, 0xff}, 1));
    }
}

// The programs' light and material on a face lit head-on, and on one the light cannot reach:
// diffuse 0.8 + ambient 0.2 gives the whole material colour; turned away, only the light's
// ambient 0.2 remains (the global ambient is 0) and no highlight.
TEST(LightingPictures, FaceTurnedFromTheLightShowsOneFifthOfItsColour) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    D3DLIGHT9 light;
    std::memset(&light, 0, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = Colour(0.8f, 0.8f, 0.8f);
    light.Specular = Colour(1.0f, 1.0f, 1.0f);
    light.Ambient = Colour(0.2f, 0.2f, 0.2f);
    D3DMATERIAL9 material;
    std::memset(&material, 0, sizeof(material));
    material.Diffuse = material.Ambient = Colour(1.0f, 0.5f, 0.25f);
    material.Specular = Colour(1.0f, 1.0f, 1.0f);
    material.Power = 64.0f;
    device->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    device->SetMaterial(&material);
    device->LightEnable(0, TRUE);
    test.BindMesh(Rectangle(-0.5f, 0.5f, 0.5f, -0.5f, 0.5f, TOWARDS_CAMERA), RectangleIndices());

    light.Direction = {0.0f, 0.0f, -1.0f};
    device->SetLight(0, &light);
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000050, 1.0f, 0);
    test.DrawMesh();
    Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 320, 240, {51, 26, 13}, 1));
    EXPECT_TRUE(PixelNear(picture, 200, 150, {51, 26, 13}, 1));

    // Lit from the side, at a right angle: still only the ambient part.
    light.Direction = {1.0f, 0.0f, 0.0f};
    device->SetLight(0, &light);
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000050, 1.0f, 0);
    test.DrawMesh();
    picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 200, 150, {51, 26, 13}, 1));

    // Head-on, away from the highlight in the middle: the full diffuse colour.
    light.Direction = {0.0f, 0.0f, 1.0f};
    device->SetLight(0, &light);
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000050, 1.0f, 0);
    test.DrawMesh();
    picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 200, 150, {255, 128, 64}, 2));
    EXPECT_TRUE(PixelNear(picture, 10, 10, {0, 0, 0x50}, 0));
}
