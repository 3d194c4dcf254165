// Surfaces: the back buffer as GetBackBuffer hands it out, and plain surfaces in system memory
// that GetRenderTargetData copies the back buffer into and LockRect opens to the CPU.
#pragma once

#include "ref_counted.h"
#include "zeroed_bytes.h"

#include <cstddef>
#include <optional>

// Where a lock of rect (all of it when null) starts in width x height pixels of 4 bytes, rows
// pitch bytes apart; nothing when rect is empty or does not lie inside.
std::optional<size_t> LockOffset(const RECT* rect, UINT width, UINT height, UINT pitch);

// A surface in system memory, 4 bytes per pixel (X8R8G8B8 or A8R8G8B8: B, G, R, A in memory),
// rows top first and packed.
class SystemMemorySurface : public RefCounted<IDirect3DSurface9> {
  public:
    SystemMemorySurface(UINT width, UINT height, D3DFORMAT format);

    HRESULT LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect() override;

    const UINT width;
    const UINT height;
    const D3DFORMAT format;
    const UINT pitch;
    // Zeroed, and held only once written (zeroed_bytes.h): a surface made to take a frame's
    // read-back is written once, by the read-back.
    ZeroedBytes pixels;

  private:
    bool locked_ = false;
};

// The device's back buffer. Like Direct3D's, its references are the device's: AddRef and Release
// count on the device, so the surface lives as long as the device. The device keeps a count of
// them too, as Reset must refuse while the application still holds one.
class BackBufferSurface : public IDirect3DSurface9 {
  public:
    explicit BackBufferSurface(IDirect3DDevice9* device) : device_(device) {}

    ULONG AddRef() override {
        ++held_;
        return device_->AddRef();
    }
    ULONG Release() override {
        --held_;
        return device_->Release();
    }
    // The back buffer is not lockable, as with Direct3D's default present flags.
    HRESULT LockRect(D3DLOCKED_RECT*, const RECT*, DWORD) override { return D3DERR_INVALIDCALL; }
    HRESULT UnlockRect() override { return D3DERR_INVALIDCALL; }

    ULONG Held() const { return held_; }

  private:
    IDirect3DDevice9* device_;
    ULONG held_ = 0;
};
