#include "surface.h"

SystemMemorySurface::SystemMemorySurface(UINT width, UINT height, D3DFORMAT format)
    : width(width), height(height), format(format), pitch(width * 4),
      pixels(AllocateZeroed((size_t)pitch, height)) {}

std::optional<size_t> LockOffset(const RECT* rect, UINT width, UINT height, UINT pitch) {
    if (rect == nullptr) {
        return 0;
    }
    if (rect->left < 0 || rect->top < 0 || rect->left >= rect->right || rect->top >= rect->bottom ||
        rect->right > (LONG)width || rect->bottom > (LONG)height) {
        return std::nullopt;
    }
    return (size_t)rect->top * pitch + (size_t)rect->left * 4;
}

HRESULT SystemMemorySurface::LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD) {
    if (lockedRect == nullptr || locked_) {
        return D3DERR_INVALIDCALL;
    }
    const std::optional<size_t> offset = LockOffset(rect, width, height, pitch);
    if (!offset) {
        return D3DERR_INVALIDCALL;
    }
    locked_ = true;
    lockedRect->Pitch = (INT)pitch;
    lockedRect->pBits = pixels.get() + *offset;
    return D3D_OK;
}

HRESULT SystemMemorySurface::UnlockRect() {
    if (!locked_) {
        return D3DERR_INVALIDCALL;
    }
    locked_ = false;
    return D3D_OK;
}
