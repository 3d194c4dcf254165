#include "bench_device.h"

#include <cstring>

namespace {

LRESULT CALLBACK QuietWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

IDirect3DDevice9* CreateBenchDevice() {
    WNDCLASSEXA windowClass;
    std::memset(&windowClass, 0, sizeof(windowClass));
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = QuietWindowProc;
    windowClass.lpszClassName = "BenchWindow";
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, "BenchWindow", "benchmark", WS_OVERLAPPEDWINDOW, 0, 0, 320,
                                  240, NULL, NULL, GetModuleHandleA(NULL), NULL);
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
