// load_textures FILE...: loads each file with D3DXCreateTextureFromFileA on a real device of the
// stand-in, as texcross loads its images, keeping every texture until the end; prints each file's
// result and time. Exits with 1 when any file was refused. Run under /usr/bin/time -v for the peak
// memory of holding them all.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include "hidden_device.h"

#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    const char* failure = NULL;
    IDirect3DDevice9* device = CreateHiddenDevice(320, 240, &failure);
    if (device == NULL) {
        std::fprintf(stderr, "%s: %s\n", argv[0], failure);
        return 1;
    }
    std::vector<IDirect3DTexture9*> textures;
    int result = 0;
    for (int k = 1; k < argc; ++k) {
        const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
        IDirect3DTexture9* texture = NULL;
        const HRESULT loaded = D3DXCreateTextureFromFileA(device, argv[k], &texture);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        std::printf("%s: %s in %.3f s\n", argv[k], loaded == D3D_OK ? "loaded" : "refused",
                    elapsed.count());
        if (loaded == D3D_OK) {
            textures.push_back(texture);
        } else {
            result = 1;
        }
    }
    for (IDirect3DTexture9* texture : textures) {
        texture->Release();
    }
    device->Release();
    return result;
}
