#include "back_buffer.h"

#include <cstring>

bool ReadBackBuffer(IDirect3DDevice9* device, UINT width, UINT height,
                    std::vector<unsigned char>* rgb) {
    rgb->clear();
    IDirect3DSurface9* backBuffer = NULL;
    IDirect3DSurface9* copy = NULL;
    D3DLOCKED_RECT locked;
    std::memset(&locked, 0, sizeof(locked));
    const bool read =
        SUCCEEDED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer)) &&
        SUCCEEDED(device->CreateOffscreenPlainSurface(width, height, D3DFMT_X8R8G8B8,
                                                      D3DPOOL_SYSTEMMEM, &copy, NULL)) &&
        SUCCEEDED(device->GetRenderTargetData(backBuffer, copy)) &&
        SUCCEEDED(copy->LockRect(&locked, NULL, 0));
    if (read) {
        rgb->resize((size_t)width * height * 3);
        for (UINT y = 0; y < height; ++y) {
            const BYTE* row = (const BYTE*)locked.pBits + (size_t)y * locked.Pitch;
            for (UINT x = 0; x < width; ++x) {
                unsigned char* pixel = &(*rgb)[((size_t)y * width + x) * 3];
                pixel[0] = row[x * 4 + 2];
                pixel[1] = row[x * 4 + 1];
                pixel[2] = row[x * 4 + 0];
            }
        }
        copy->UnlockRect();
    }
    if (copy != NULL) {
        copy->Release();
    }
    if (backBuffer != NULL) {
        backBuffer->Release();
    }
    return read;
}
