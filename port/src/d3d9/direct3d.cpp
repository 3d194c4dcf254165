// The Direct3D object: the entry point and the factory of devices.
#include "device_front.h"

namespace {

DeviceFront g_front = nullptr;

class Direct3D : public RefCounted<IDirect3D9> {
  public:
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD,
                         D3DPRESENT_PARAMETERS* presentationParameters,
                         IDirect3DDevice9** returnedDeviceInterface) override {
        if (returnedDeviceInterface == nullptr) {
            return D3DERR_INVALIDCALL;
        }
        *returnedDeviceInterface = nullptr;
        if (presentationParameters == nullptr || adapter != D3DADAPTER_DEFAULT ||
            deviceType != D3DDEVTYPE_HAL) {
            return D3DERR_INVALIDCALL;
        }
        HWND window = presentationParameters->hDeviceWindow != nullptr
                          ? presentationParameters->hDeviceWindow
                          : focusWindow;
        HRESULT result = D3D_OK;
        std::shared_ptr<GlContext> context = CreateGlContext(window, &result);
        if (context == nullptr) {
            return result;
        }
        Device* device = new Device(this, std::move(context));
        result = device->Initialise(presentationParameters);
        if (FAILED(result)) {
            device->Release();
            return result;
        }
        *returnedDeviceInterface = g_front != nullptr ? g_front(device) : device;
        return D3D_OK;
    }
};

} // namespace

void SetDeviceFront(DeviceFront front) {
    g_front = front;
}

IDirect3D9* WINAPI Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION) {
        return nullptr;
    }
    return new Direct3D();
}
