// How long texcross's five images take to load: D3DXCreateTextureFromFileA on each of
// tex0.jpg ... tex4.jpg (read, decode, build the full mip chain in the managed texture; the GL
// upload waits for a draw) on a real device, and the textures released again. Run from the folder
// that holds the images (build/bin).
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include "hidden_device.h"

#include <benchmark/benchmark.h>

namespace {

void LoadFiveTextures(benchmark::State& state) {
    static const char* failure = NULL;
    static IDirect3DDevice9* device = CreateHiddenDevice(320, 240, &failure);
    if (device == NULL) {
        state.SkipWithError(failure);
        return;
    }
    const char* files[] = {"tex0.jpg", "tex1.jpg", "tex2.jpg", "tex3.jpg", "tex4.jpg"};
    for (auto _ : state) {
        IDirect3DTexture9* textures[5] = {};
        for (int k = 0; k < 5; ++k) {
            if (D3DXCreateTextureFromFileA(device, files[k], &textures[k]) != D3D_OK) {
                state.SkipWithError("an image did not load; run from the folder holding them");
                return;
            }
        }
        for (IDirect3DTexture9* texture : textures) {
            texture->Release();
        }
    }
}

} // namespace

BENCHMARK(LoadFiveTextures)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
