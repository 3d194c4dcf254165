// Where the stand-in puts pixels: clear colours, pixel centres, rows, depth, culling, textures.
#include "test_device.h"

namespace {

const D3DVECTOR TOWARDS_CAMERA = {0.0f, 0.0f, -1.0f};
const D3DCOLOR BACKGROUND = 0xFF000050;

// Unlit drawing: vertices without colours come out white.
void ClearUnlit(IDirect3DDevice9* device) {
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, BACKGROUND, 1.0f, 0);
}

// Clip-space x of the pixel edge at screen column x (and y for row y) on a 640 x 480 target.
float ClipX(float x) {
    return x / 320.0f - 1.0f;
}
float ClipY(float y) {
    return 1.0f - y / 240.0f;
}

} // namespace

TEST(RasterPictures, ClearGivesTheExactColourEverywhere) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    test.device->Clear(0, nullptr, D3DCLEAR_TARGET, BACKGROUND, 1.0f, 0);
    const Picture picture = test.ReadBack();
    ASSERT_EQ(640, picture.width);
    ASSERT_EQ(480, picture.height);
    for (const POINT sample :
         {POINT{0, 0}, POINT{639, 0}, POINT{0, 479}, POINT{639, 479}, POINT{320, 240}}) {
        EXPECT_TRUE(PixelNear(picture, sample.x, sample.y, {0, 0, 0x50}, 0));
    }
}

// Direct3D 9 samples at integer pixel coordinates: a rectangle from the top-left corner to
// (100.25, 60.25) covers columns 0-100 and rows 0-60, where OpenGL's half-pixel centres would
// leave out column 100 and row 60. Row 0 is the top one.
TEST(RasterPictures, CoverageFollowsDirect3DPixelCentresTopRowFirst) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    ClearUnlit(test.device);
    test.BindMesh(Rectangle(-1.0f, 1.0f, ClipX(100.25f), ClipY(60.25f), 0.5f, TOWARDS_CAMERA),
                  RectangleIndices());
    test.DrawMesh();
    const Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 0, 0, {255, 255, 255}, 0));
    EXPECT_TRUE(PixelNear(picture, 100, 60, {255, 255, 255}, 0));
    EXPECT_TRUE(PixelNear(picture, 101, 60, {0, 0, 0x50}, 0));
    EXPECT_TRUE(PixelNear(picture, 100, 61, {0, 0, 0x50}, 0));
    EXPECT_TRUE(PixelNear(picture, 0, 479, {0, 0, 0x50}, 0));
}

// Depth [0, 1] with LESSEQUAL: of two draws at the same depth the later wins; a farther one
// drawn last stays hidden; depth 1.0 itself is still drawn after a clear to 1.0.
TEST(RasterPictures, DepthTestIsLessOrEqualOverTheWholeRange) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    ClearUnlit(device);
    D3DMATERIAL9 material{};
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
    const auto drawAt = [&](float left, float z, float r, float g, float b) {
        material.Ambient = {r, g, b, 1.0f};
        device->SetMaterial(&material);
        test.BindMesh(Rectangle(left, 0.5f, left + 0.5f, -0.5f, z, TOWARDS_CAMERA),
                      RectangleIndices());
        test.DrawMesh();
    };
    drawAt(-0.5f, 0.5f, 1.0f, 0.0f, 0.0f);
    drawAt(-0.5f, 0.5f, 0.0f, 1.0f, 0.0f);
    drawAt(-0.5f, 0.7f, 0.0f, 0.0f, 1.0f);
    drawAt(0.25f, 1.0f, 1.0f, 1.0f, 0.0f);
    const Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 240, 240, {0, 255, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 460, 240, {255, 255, 0}, 0));
}

// Culling counter-clockwise triangles is the default; the programs turn culling off.
TEST(RasterPictures, CullingTakesWindingOnScreen) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    ClearUnlit(device);
    const std::vector<WORD> clockwise = {0, 1, 2};
    const std::vector<WORD> counterClockwise = {0, 2, 1};
    test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, TOWARDS_CAMERA), counterClockwise);
    test.DrawMesh();
    test.BindMesh(Rectangle(0.0f, 1.0f, 1.0f, 0.0f, 0.5f, TOWARDS_CAMERA), clockwise);
    test.DrawMesh();
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    test.BindMesh(Rectangle(-1.0f, 0.0f, 0.0f, -1.0f, 0.5f, TOWARDS_CAMERA), counterClockwise);
    test.DrawMesh();
    const Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 40, 40, {0, 0, 0x50}, 0));
    EXPECT_TRUE(PixelNear(picture, 360, 40, {255, 255, 255}, 0));
    EXPECT_TRUE(PixelNear(picture, 40, 280, {255, 255, 255}, 0));
}

// Strips and fans make their triangles from the indices as Direct3D does, each over the whole
// rectangle (the other's reading of the same indices leaves a corner out); points and lines are
// refused.
TEST(RasterPictures, EachPrimitiveTypeDrawsItsOwnTriangles) {
    struct Case {
        D3DPRIMITIVETYPE type;
        std::vector<WORD> indices;
        UINT primitives;
        HRESULT result;
    };
    // Corners 0 top left, 1 top right, 2 bottom left, 3 bottom right.
    const Case cases[] = {
        {D3DPT_TRIANGLESTRIP, {0, 1, 2, 3}, 2, D3D_OK},
        {D3DPT_TRIANGLEFAN, {1, 3, 2, 0}, 2, D3D_OK},
        {D3DPT_POINTLIST, {0, 1, 2, 3}, 4, D3DERR_INVALIDCALL},
        {D3DPT_LINELIST, {0, 1, 2, 3}, 2, D3DERR_INVALIDCALL},
        {D3DPT_LINESTRIP, {0, 1, 2, 3}, 3, D3DERR_INVALIDCALL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        TestDevice test;
        ASSERT_EQ(D3D_OK, test.created);
        IDirect3DDevice9* device = test.device;
        ClearUnlit(device);
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, TOWARDS_CAMERA), c.indices);
        ASSERT_EQ(D3D_OK, device->BeginScene());
        EXPECT_EQ(c.result, device->DrawIndexedPrimitive(c.type, 0, 0, 4, 0, c.primitives));
        EXPECT_EQ(D3D_OK, device->EndScene());
        const Picture picture = test.ReadBack();
        const Rgb drawn = c.result == D3D_OK ? Rgb{255, 255, 255} : Rgb{0, 0, 0x50};
        // Near each corner of the rectangle (320 x 240 pixels at the top left), then outside it.
        for (const POINT sample : {POINT{20, 20}, POINT{300, 20}, POINT{20, 220}, POINT{300, 220},
                                   POINT{300, 120}, POINT{80, 40}}) {
            EXPECT_TRUE(PixelNear(picture, sample.x, sample.y, drawn, 0))
                << sample.x << ", " << sample.y;
        }
        EXPECT_TRUE(PixelNear(picture, 400, 300, {0, 0, 0x50}, 0));
    }
}

// The first row of an image is v = 0, the top of a face; with no texture bound the lit colour
// is drawn alone.
TEST(RasterPictures, TexturesKeepTheirTopRowAtVZeroAndNullDrawsTheColour) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    // B, G, R, X: red and green on the top row, blue and white below.
    IDirect3DTexture9* texture = CreateFilledTexture(
        device, 2, 2, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0});
    ASSERT_NE(nullptr, texture);

    ClearUnlit(device);
    test.BindMesh(TexturedQuarter(), RectangleIndices());
    device->SetTexture(0, texture);
    texture->Release();
    test.DrawMesh();
    Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 80, 60, {255, 0, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 240, 60, {0, 255, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 80, 180, {0, 0, 255}, 0));
    EXPECT_TRUE(PixelNear(picture, 240, 180, {255, 255, 255}, 0));

    device->SetTexture(0, nullptr);
    test.DrawMesh();
    picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 80, 60, {255, 255, 255}, 0));
}

// Each program keeps the uniforms it was given last: going back to a program after drawing with
// another, the draw takes the world matrix and material set while the other one drew.
TEST(RasterPictures, AProgramUsedAgainTakesWhatChangedMeanwhile) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    device->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
    D3DMATERIAL9 material{};
    D3DMATRIX world{};
    world._11 = world._22 = world._33 = world._44 = 1.0f;
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, BACKGROUND, 1.0f, 0);
    test.BindMesh(Rectangle(-1.0f, 1.0f, -0.5f, 0.5f, 0.5f, TOWARDS_CAMERA), RectangleIndices());
    material.Ambient = {1.0f, 0.0f, 0.0f, 1.0f};
    device->SetMaterial(&material);
    test.DrawMesh();

    world._41 = 1.0f;
    device->SetTransform(D3DTS_WORLD, &world);
    material.Ambient = {0.0f, 1.0f, 0.0f, 1.0f};
    device->SetMaterial(&material);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    test.DrawMesh();
    world._42 = -1.0f;
    device->SetTransform(D3DTS_WORLD, &world);
    test.DrawMesh();

    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    test.DrawMesh();
    const Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 80, 60, {255, 0, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 400, 60, {255, 255, 255}, 0));
    EXPECT_TRUE(PixelNear(picture, 400, 300, {0, 255, 0}, 0));
}
