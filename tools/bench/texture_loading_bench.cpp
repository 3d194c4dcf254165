// How long texcross's five images take to load: D3DXCreateTextureFromFileA on each of
// tex0.jpg ... tex4.jpg (read, decode, upload with the full mip chain) on a real device, and the
// textures released again. Run from the folder that holds the images (build/bin).
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

namespace {

LRESULT CALLBACK QuietWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

IDirect3DDevice9* CreateDevice() {
    WNDCLASSEXA windowClass;
    std::memset(&windowClass, 0, sizeof(windowClass));
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = QuietWindowProc;
    windowClass.lpszClassName = "TextureLoadingBench";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, "TextureLoadingBench", "texture loading", WS_OVERLAPPEDWINDOW,
                                  0, 0, 320, 240, NULL, NULL, GetModuleHandleA(NULL), NULL);
    IDirect3D9* direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (window == NULL || direct3d == NULL) {
        return NULL;
    }
    D3DPRESENT_PARAMETERS parameters;
    std::memset(&parameters, 0, sizeof(parameters));
    parameters.Windowed = TRUE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    IDirect3DDevice9* device = NULL;
    direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                           D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &device);
    return device;
}

void LoadFiveTextures(benchmark::State& state) {
    static IDirect3DDevice9* device = CreateDevice();
    if (device == NULL) {
        state.SkipWithError("no Direct3D device");
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
