// What holding a texture costs: an image just over 4096 pixels a side is scaled up to 8192 x 8192,
// whose 4-byte texels with the mip chain (a third more) take 341 MiB, kept in system memory as the
// managed pool keeps them until a draw uploads them. Once the texture is made, the process holds
// little more than that: the file's pixels and the scaled image are gone.
#include "test_device.h"

#include <d3dx9.h>
#include <stb/stb_image_write.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

long ResidentKiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    long kib = -1;
    char line[256];
    while (status != nullptr && std::fgets(line, sizeof(line), status) != nullptr) {
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1) {
            break;
        }
    }
    if (status != nullptr) {
        std::fclose(status);
    }
    return kib;
}

TEST(TextureMemory, ALoadedTextureHoldsLittleMoreThanItsLevels) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine, resident";
#endif
    TestDevice test(64, 48);
    ASSERT_EQ(test.created, D3D_OK);
    const int side = 4097;
    const std::vector<uint8_t> red((size_t)side * side * 3, 0);
    char path[] = "/tmp/texture-memory-XXXXXX.jpg";
    const int file = mkstemps(path, 4);
    ASSERT_GE(file, 0);
    close(file);
    ASSERT_TRUE(stbi_write_jpg(path, side, side, 3, red.data(), 90));

    const long before = ResidentKiB();
    IDirect3DTexture9* texture = nullptr;
    const HRESULT loaded = D3DXCreateTextureFromFileA(test.device, path, &texture);
    const long held = ResidentKiB() - before;
    std::remove(path);
    ASSERT_EQ(loaded, D3D_OK);
    const long topLevelKiB = 8192L * 8192 * 4 / 1024;
    const long neededKiB = topLevelKiB * 4 / 3;
    EXPECT_LT(held, neededKiB * 9 / 8) << "held " << held << " KiB for " << neededKiB << " KiB";
    texture->Release();
}

// Texels are held from when they are written: made and not yet filled, the 341 MiB of an
// 8192 x 8192 chain hold next to nothing, so a load's decoded pixels never sit beside the levels
// below the top; nor do the 256 MiB of a surface made to take a read-back before it is read.
TEST(TextureMemory, MadeTexturesAndSurfacesAreHeldOnlyOnceWritten) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer fills what it allocates";
#endif
    TestDevice test(64, 48);
    ASSERT_EQ(test.created, D3D_OK);
    const long before = ResidentKiB();
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3D_OK, test.device->CreateTexture(8192, 8192, 0, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED,
                                                 &texture, nullptr));
    IDirect3DSurface9* surface = nullptr;
    ASSERT_EQ(D3D_OK, test.device->CreateOffscreenPlainSurface(
                          8192, 8192, D3DFMT_X8R8G8B8, D3DPOOL_SYSTEMMEM, &surface, nullptr));
    const long held = ResidentKiB() - before;
    texture->Release();
    surface->Release();
    EXPECT_LT(held, 64L * 1024) << "held " << held << " KiB of 597 MiB unwritten";
}

} // namespace
