// Direct3D 9 objects that draw nothing and log every call with its arguments, so tests can assert
// the exact calls a function of the system makes. Records passed by pointer are copied into the
// log, as the real device copies them.
#pragma once

#include <d3d9.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct RecordedCall {
    std::string text; // "Name(arg, ...)"; objects appear by name ("vb", "ib", "tex2", "null")
    D3DMATRIX matrix{};
    D3DLIGHT9 light{};
    D3DMATERIAL9 material{};
};

// The one log all recording objects of a test write to.
class CallLog {
  public:
    std::vector<RecordedCall> calls;

    RecordedCall& Add(const std::string& text);
    void Name(const void* object, const std::string& name) { names_[object] = name; }
    std::string NameOf(const void* object) const;
    std::vector<std::string> Texts() const;

  private:
    std::map<const void*, std::string> names_;
};

// A vertex or index buffer holding its bytes, so tests can read what was copied in.
template <class Interface> class RecordingBuffer : public Interface {
  public:
    RecordingBuffer(CallLog* log, const std::string& name, UINT length)
        : bytes(length), log_(log), name_(name) {
        log_->Name(this, name);
    }

    std::vector<unsigned char> bytes;
    ULONG references = 1;

    ULONG AddRef() override { return ++references; }
    ULONG Release() override {
        log_->Add("Release(" + name_ + ")");
        return --references;
    }
    HRESULT Lock(UINT offset, UINT size, void** data, DWORD flags) override {
        log_->Add("Lock(" + name_ + ", " + std::to_string(offset) + ", " + std::to_string(size) +
                  ", " + std::to_string(flags) + ")");
        *data = bytes.data();
        return D3D_OK;
    }
    HRESULT Unlock() override {
        log_->Add("Unlock(" + name_ + ")");
        return D3D_OK;
    }

  private:
    CallLog* log_;
    std::string name_;
};

// A texture that only has a name and a reference count; it has no levels.
class RecordingTexture : public IDirect3DTexture9 {
  public:
    RecordingTexture(CallLog* log, const std::string& name) : log_(log), name_(name) {
        log_->Name(this, name);
    }

    ULONG references = 1;

    ULONG AddRef() override { return ++references; }
    ULONG Release() override {
        log_->Add("Release(" + name_ + ")");
        return --references;
    }
    DWORD GetLevelCount() override { return 0; }
    HRESULT GetLevelDesc(UINT, D3DSURFACE_DESC*) override { return D3DERR_INVALIDCALL; }
    HRESULT LockRect(UINT, D3DLOCKED_RECT*, const RECT*, DWORD) override {
        return D3DERR_INVALIDCALL;
    }
    HRESULT UnlockRect(UINT) override { return D3DERR_INVALIDCALL; }

  private:
    CallLog* log_;
    std::string name_;
};

class RecordingDevice : public IDirect3DDevice9 {
  public:
    explicit RecordingDevice(CallLog* log);
    ~RecordingDevice() override;

    // What the next TestCooperativeLevel, Reset and Present calls return.
    HRESULT cooperativeLevel = D3D_OK;
    HRESULT resetResult = D3D_OK;
    HRESULT presentResult = D3D_OK;
    // Runs inside every Present, as if while the frame is shown.
    std::function<void()> onPresent;
    // What each Create*Buffer call returns; on success the buffer is kept here.
    HRESULT createResult = D3D_OK;
    RecordingBuffer<IDirect3DVertexBuffer9>* vertexBuffer = nullptr;
    RecordingBuffer<IDirect3DIndexBuffer9>* indexBuffer = nullptr;
    ULONG references = 1;

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT TestCooperativeLevel() override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* presentationParameters) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                    const RGNDATA* dirtyRegion) override;
    // Only D3DX asks for these, and the recording platform stands in for D3DX.
    HRESULT GetDeviceCaps(D3DCAPS9*) override { return D3DERR_INVALIDCALL; }
    HRESULT CreateTexture(UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL, IDirect3DTexture9**,
                          HANDLE*) override {
        return D3DERR_INVALIDCALL;
    }
    // The system reads nothing back.
    HRESULT GetBackBuffer(UINT, UINT, D3DBACKBUFFER_TYPE, IDirect3DSurface9**) override {
        return D3DERR_INVALIDCALL;
    }
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer9** vertexBuffer,
                               HANDLE* sharedHandle) override;
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DIndexBuffer9** indexBuffer, HANDLE* sharedHandle) override;
    HRESULT GetRenderTargetData(IDirect3DSurface9*, IDirect3DSurface9*) override {
        return D3DERR_INVALIDCALL;
    }
    HRESULT CreateOffscreenPlainSurface(UINT, UINT, D3DFORMAT, D3DPOOL, IDirect3DSurface9**,
                                        HANDLE*) override {
        return D3DERR_INVALIDCALL;
    }
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                  DWORD stencil) override;
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT SetMaterial(const D3DMATERIAL9* material) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT9* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override;
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex, UINT minVertexIndex,
                                 UINT numVertices, UINT startIndex, UINT primitiveCount) override;
    HRESULT SetFVF(DWORD fvf) override;
    HRESULT SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData,
                            UINT offsetInBytes, UINT stride) override;
    HRESULT SetIndices(IDirect3DIndexBuffer9* indexData) override;

  private:
    CallLog* log_;
};

// The Direct3D object Direct3DCreate9 hands out while a RecordingPlatform is installed.
class RecordingDirect3D : public IDirect3D9 {
  public:
    RecordingDirect3D(CallLog* log, RecordingDevice* device);

    HRESULT createDeviceResult = D3D_OK;
    D3DPRESENT_PARAMETERS presentParameters{};
    ULONG references = 1;

    ULONG AddRef() override { return ++references; }
    ULONG Release() override;
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD behaviorFlags,
                         D3DPRESENT_PARAMETERS* presentationParameters,
                         IDirect3DDevice9** returnedDeviceInterface) override;

  private:
    CallLog* log_;
    RecordingDevice* device_;
};

// A recording platform, installed for the test's lifetime: Direct3DCreate9 returns the Direct3D
// object (or null when createFails is set), D3DXCreateTextureFromFileA returns a recording texture
// named after the file ("tex0.jpg" gives "tex0") or fails for missingFile, and the system's device
// globals are cleared before and after. The Win32 calls of recording_shell.h log to the same log.
class RecordingPlatform {
  public:
    RecordingPlatform();
    ~RecordingPlatform();

    CallLog log;
    RecordingDevice device{&log};
    RecordingDirect3D direct3d{&log, &device};
    bool createFails = false;
    std::string missingFile;
    std::vector<std::unique_ptr<RecordingTexture>> textures;

    // Installs the device as g_device without going through InitDirect3D.
    void InstallDevice();
};

// The platform installed now.
RecordingPlatform& InstalledPlatform();
