#include "test_device.h"

#include <cstring>

namespace {

const char CLASS_NAME[] = "PictureTestWindow";

} // namespace

std::vector<SceneVertex> Rectangle(float left, float top, float right, float bottom, float z,
                                   D3DVECTOR normal) {
    return {{left, top, z, normal.x, normal.y, normal.z},
            {right, top, z, normal.x, normal.y, normal.z},
            {left, bottom, z, normal.x, normal.y, normal.z},
            {right, bottom, z, normal.x, normal.y, normal.z}};
}

const std::vector<WORD>& RectangleIndices() {
    static const std::vector<WORD> indices = {0, 1, 2, 2, 1, 3};
    return indices;
}

HWND OpenTestWindow(int width, int height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA windowClass;
        std::memset(&windowClass, 0, sizeof(windowClass));
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = CLASS_NAME;
        RegisterClassExA(&windowClass);
        registered = true;
    }
    RECT frame = {0, 0, width, height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExA(0, CLASS_NAME, "picture test", WS_OVERLAPPEDWINDOW, 0, 0,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

TestDevice::TestDevice(int width, int height) {
    window = OpenTestWindow(width, height);
    direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    parameters.Windowed = TRUE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    created = direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                     D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &device);
}

TestDevice::~TestDevice() {
    if (indexBuffer != nullptr) {
        indexBuffer->Release();
    }
    if (vertexBuffer != nullptr) {
        vertexBuffer->Release();
    }
    if (device != nullptr) {
        device->Release();
    }
    direct3d->Release();
    DestroyWindow(window);
}

void TestDevice::Upload(const void* vertices, UINT vertexBytes, UINT stride, DWORD fvf,
                        const std::vector<WORD>& indices) {
    if (vertexBuffer != nullptr) {
        vertexBuffer->Release();
        indexBuffer->Release();
    }
    device->CreateVertexBuffer(vertexBytes, 0, fvf, D3DPOOL_MANAGED, &vertexBuffer, nullptr);
    void* data = nullptr;
    vertexBuffer->Lock(0, 0, &data, 0);
    std::memcpy(data, vertices, vertexBytes);
    vertexBuffer->Unlock();
    const UINT indexBytes = (UINT)(indices.size() * sizeof(WORD));
    device->CreateIndexBuffer(indexBytes, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indexBuffer,
                              nullptr);
    indexBuffer->Lock(0, 0, &data, 0);
    std::memcpy(data, indices.data(), indexBytes);
    indexBuffer->Unlock();
    indexCount_ = (UINT)indices.size();
    device->SetFVF(fvf);
    device->SetStreamSource(0, vertexBuffer, 0, stride);
    device->SetIndices(indexBuffer);
}

void TestDevice::DrawMesh() {
    device->BeginScene();
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, vertexCount_, 0, indexCount_ / 3);
    device->EndScene();
}

Picture TestDevice::ReadBack() {
    Picture picture;
    IDirect3DSurface9* backBuffer = nullptr;
    IDirect3DSurface9* copy = nullptr;
    D3DLOCKED_RECT locked{};
    const UINT width = parameters.BackBufferWidth;
    const UINT height = parameters.BackBufferHeight;
    const bool read =
        SUCCEEDED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)) &&
        SUCCEEDED(device->CreateOffscreenPlainSurface(width, height, D3DFMT_X8R8G8B8,
                                                      D3DPOOL_SYSTEMMEM, &copy, nullptr)) &&
        SUCCEEDED(device->GetRenderTargetData(backBuffer, copy)) &&
        SUCCEEDED(copy->LockRect(&locked, nullptr, 0));
    if (read) {
        picture.width = (int)width;
        picture.height = (int)height;
        picture.rgb.resize((size_t)width * height * 3);
        for (UINT y = 0; y < height; ++y) {
            const BYTE* row = (const BYTE*)locked.pBits + (size_t)y * locked.Pitch;
            for (UINT x = 0; x < width; ++x) {
                uint8_t* pixel = &picture.rgb[((size_t)y * width + x) * 3];
                pixel[0] = row[x * 4 + 2];
                pixel[1] = row[x * 4 + 1];
                pixel[2] = row[x * 4];
            }
        }
        copy->UnlockRect();
    }
    if (copy != nullptr) {
        copy->Release();
    }
    if (backBuffer != nullptr) {
        backBuffer->Release();
    }
    return picture;
}
