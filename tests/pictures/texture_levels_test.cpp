// Textures through the Direct3D API: what CreateTexture refuses, the levels it makes, locking
// them, and a level changed after a draw reaching the next draw.
#include "test_device.h"

#include <cstring>
#include <ostream>

namespace {

struct Size {
    UINT width;
    UINT height;
};

bool operator==(Size a, Size b) {
    return a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, Size size) {
    return out << size.width << " x " << size.height;
}

} // namespace

TEST(TextureLevels, CreationRefusesWhatTheDeviceCannotHold) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    EXPECT_EQ(D3DERR_INVALIDCALL, device->GetDeviceCaps(nullptr));
    D3DCAPS9 caps{};
    ASSERT_EQ(D3D_OK, device->GetDeviceCaps(&caps));
    EXPECT_GE(caps.MaxTextureWidth, 2048u);
    EXPECT_LE(caps.MaxTextureWidth, 8192u);
    EXPECT_EQ(caps.MaxTextureWidth, caps.MaxTextureHeight);
    const UINT tooLarge = caps.MaxTextureWidth + 1;
    const struct {
        UINT width;
        UINT height;
        UINT levels;
        DWORD usage;
        D3DFORMAT format;
        D3DPOOL pool;
    } refused[] = {
        {2, 2, 0, 0, D3DFMT_D16, D3DPOOL_MANAGED},
        {2, 2, 0, 0, D3DFMT_UNKNOWN, D3DPOOL_MANAGED},
        {2, 2, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT},
        {2, 2, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM},
        {2, 2, 0, 1 /* D3DUSAGE_RENDERTARGET */, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED},
        {0, 2, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED},
        {2, 0, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED},
        {tooLarge, 1, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED},
        {1, tooLarge, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED},
        {2, 2, 3, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED},
    };
    for (const auto& asked : refused) {
        IDirect3DTexture9* texture = nullptr;
        EXPECT_EQ(D3DERR_INVALIDCALL,
                  device->CreateTexture(asked.width, asked.height, asked.levels, asked.usage,
                                        asked.format, asked.pool, &texture, nullptr))
            << asked.width << " x " << asked.height << ", " << asked.levels << " levels, usage "
            << asked.usage << ", format " << asked.format << ", pool " << asked.pool;
        EXPECT_EQ(nullptr, texture);
    }
    EXPECT_EQ(D3DERR_INVALIDCALL, device->CreateTexture(2, 2, 0, 0, D3DFMT_X8R8G8B8,
                                                        D3DPOOL_MANAGED, nullptr, nullptr));
}

// Levels 0 asks for every level down to 1 x 1; each level halves each side, rounding down, and a
// side stops at 1.
TEST(TextureLevels, EachLevelHalvesTheOneAbove) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    const struct {
        Size top;
        UINT levels;
        D3DFORMAT format;
        std::vector<Size> expected;
    } textures[] = {
        {{8, 2}, 0, D3DFMT_X8R8G8B8, {{8, 2}, {4, 1}, {2, 1}, {1, 1}}},
        {{5, 3}, 0, D3DFMT_X8R8G8B8, {{5, 3}, {2, 1}, {1, 1}}},
        {{1, 4}, 3, D3DFMT_A8R8G8B8, {{1, 4}, {1, 2}, {1, 1}}},
        {{16, 16}, 2, D3DFMT_X8R8G8B8, {{16, 16}, {8, 8}}},
        {{1, 1}, 0, D3DFMT_A8R8G8B8, {{1, 1}}},
    };
    for (const auto& made : textures) {
        SCOPED_TRACE(testing::Message() << made.top << ", " << made.levels << " levels");
        IDirect3DTexture9* texture = nullptr;
        ASSERT_EQ(D3D_OK,
                  test.device->CreateTexture(made.top.width, made.top.height, made.levels, 0,
                                             made.format, D3DPOOL_MANAGED, &texture, nullptr));
        std::vector<Size> sizes;
        for (UINT level = 0; level < texture->GetLevelCount(); ++level) {
            D3DSURFACE_DESC desc{};
            EXPECT_EQ(D3D_OK, texture->GetLevelDesc(level, &desc));
            EXPECT_EQ(made.format, desc.Format);
            EXPECT_EQ(D3DRTYPE_SURFACE, desc.Type);
            EXPECT_EQ(D3DPOOL_MANAGED, desc.Pool);
            sizes.push_back({desc.Width, desc.Height});
        }
        EXPECT_EQ(made.expected, sizes);
        D3DSURFACE_DESC beyond{};
        EXPECT_EQ(D3DERR_INVALIDCALL, texture->GetLevelDesc(texture->GetLevelCount(), &beyond));
        texture->Release();
    }
}

// Each level locks on its own: two at once, neither twice, none beyond the last; a rectangle
// starts the lock at its top-left texel.
TEST(TextureLevels, LevelsLockApartAndOnceEach) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3D_OK, test.device->CreateTexture(4, 2, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED,
                                                 &texture, nullptr));
    ASSERT_EQ(3u, texture->GetLevelCount());
    D3DLOCKED_RECT top{};
    D3DLOCKED_RECT second{};
    ASSERT_EQ(D3D_OK, texture->LockRect(0, &top, nullptr, 0));
    ASSERT_EQ(D3D_OK, texture->LockRect(1, &second, nullptr, D3DLOCK_READONLY));
    EXPECT_EQ(16, top.Pitch);
    EXPECT_EQ(8, second.Pitch);
    EXPECT_NE(top.pBits, second.pBits);
    D3DLOCKED_RECT again{};
    EXPECT_EQ(D3DERR_INVALIDCALL, texture->LockRect(0, &again, nullptr, 0));
    EXPECT_EQ(D3DERR_INVALIDCALL, texture->LockRect(3, &again, nullptr, 0));
    const RECT outside = {0, 0, 3, 1};
    EXPECT_EQ(D3DERR_INVALIDCALL, texture->LockRect(2, &again, &outside, 0));
    EXPECT_EQ(D3DERR_INVALIDCALL, texture->UnlockRect(2));
    EXPECT_EQ(D3DERR_INVALIDCALL, texture->UnlockRect(3));
    EXPECT_EQ(D3D_OK, texture->UnlockRect(1));
    EXPECT_EQ(D3D_OK, texture->UnlockRect(0));
    EXPECT_EQ(D3DERR_INVALIDCALL, texture->UnlockRect(0));

    const RECT lowerRight = {1, 1, 4, 2};
    D3DLOCKED_RECT part{};
    ASSERT_EQ(D3D_OK, texture->LockRect(0, &part, &lowerRight, 0));
    EXPECT_EQ((BYTE*)top.pBits + 16 + 4, part.pBits);
    EXPECT_EQ(D3D_OK, texture->UnlockRect(0));
    texture->Release();
}

// A texel written through LockRect after the texture was drawn is drawn by the next draw. The
// texture has one level of two and a mip filter is set: it samples that level, as Direct3D does.
TEST(TextureLevels, ALevelChangedAfterADrawIsDrawnAnew) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    // B, G, R, X: red everywhere.
    IDirect3DTexture9* texture =
        CreateFilledTexture(device, 2, 2, {0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0});
    ASSERT_NE(nullptr, texture);
    test.BindMesh(TexturedQuarter(), RectangleIndices());
    device->SetTexture(0, texture);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_POINT);
    const auto draw = [&] {
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000050, 1.0f, 0);
        test.DrawMesh();
        return test.ReadBack();
    };
    Picture picture = draw();
    EXPECT_TRUE(PixelNear(picture, 80, 60, {255, 0, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 240, 180, {255, 0, 0}, 0));

    // The lower-right texel becomes 0x20, 0x40, 0x60 in B, G, R.
    const RECT lowerRight = {1, 1, 2, 2};
    D3DLOCKED_RECT texel{};
    ASSERT_EQ(D3D_OK, texture->LockRect(0, &texel, &lowerRight, 0));
    const BYTE written[] = {0x20, 0x40, 0x60, 0};
    std::memcpy(texel.pBits, written, sizeof(written));
    ASSERT_EQ(D3D_OK, texture->UnlockRect(0));
    picture = draw();
    EXPECT_TRUE(PixelNear(picture, 80, 60, {255, 0, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 240, 180, {0x60, 0x40, 0x20}, 0));
    device->SetTexture(0, nullptr);
    texture->Release();
}
