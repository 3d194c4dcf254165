#include "hidden_device.h"

namespace {

const char CLASS_NAME[] = "HiddenDeviceWindow";

} // namespace

HWND CreateHiddenWindow(int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = CLASS_NAME;
        registered = RegisterClassExA(&windowClass) != 0;
    }
    RECT frame = {0, 0, width, height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExA(0, CLASS_NAME, "hidden device", WS_OVERLAPPEDWINDOW, 0, 0,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HRESULT CreateWindowedDevice(IDirect3D9* direct3d, HWND window, D3DPRESENT_PARAMETERS* parameters,
                             IDirect3DDevice9** device) {
    parameters->Windowed = TRUE;
    parameters->SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters->hDeviceWindow = window;
    return direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                  D3DCREATE_SOFTWARE_VERTEXPROCESSING, parameters, device);
}

IDirect3DDevice9* CreateHiddenDevice(int width, int height, const char** failure) {
    HWND window = CreateHiddenWindow(width, height);
    if (window == nullptr) {
        *failure = "no window (is DISPLAY set?)";
        return nullptr;
    }
    IDirect3D9* direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS parameters{};
    IDirect3DDevice9* device = nullptr;
    if (direct3d == nullptr ||
        FAILED(CreateWindowedDevice(direct3d, window, &parameters, &device))) {
        *failure = "no Direct3D device";
        return nullptr;
    }
    return device;
}
