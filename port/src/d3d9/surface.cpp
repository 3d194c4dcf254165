#include "surface.h"

SystemMemorySurface::SystemMemorySurface(UINT width, UINT height, D3DFORMAT format)
    : width(width), height(height), format(format), pitch(width * 4),
      pixels((size_t)pitch * height) {}

HRESULT SystemMemorySurface::LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD) {
    if (lockedRect == nullptr || locked_) {
        return D3DERR_INVALIDCALL;
    }
    LONG left = 0;
    LONG top = 0;
    if (rect != nullptr) {
        if (rect->left < 0 || rect->top < 0 || rect->left >= rect->right ||
            rect->top >= rect->bottom || rect->right > (LONG)width || rect->bottom > (LONG)height) {
            return D3DERR_INVALIDCALL;
        }
        left = rect->left;
        top = rect->top;
    }
    locked_ = true;
    lockedRect->Pitch = (INT)pitch;
    lockedRect->pBits = pixels.data() + (size_t)top * pitch + (size_t)left * 4;
    return D3D_OK;
}

HRESULT SystemMemorySurface::UnlockRect() {
    if (!locked_) {
        return D3DERR_INVALIDCALL;
    }
    locked_ = false;
    return D3D_OK;
}
