// A device that passes every call on to the stand-in's device and records it: made only when a
// frame is to be recorded (port_inspect.h), so that a device nobody records pays nothing.
#pragma once

#include "../device.h"
#include "frame_record.h"
#include "state_entries.h"

#include <port_inspect.h>

#include <map>

class FrameRecorder : public RefCounted<IDirect3DDevice9>, private GlCallObserver {
  public:
    // Holds a reference on the device while it records.
    FrameRecorder(Device* device, PortPictureTaker takePicture, void* context);
    ~FrameRecorder() override;

    Device* Recorded() const { return device_; }
    const FrameRecord& Record() const { return record_; }

    HRESULT TestCooperativeLevel() override;
    HRESULT GetDeviceCaps(D3DCAPS9* caps) override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* presentationParameters) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                    const RGNDATA* dirtyRegion) override;
    HRESULT GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                          IDirect3DSurface9** surface) override;
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                          D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* sharedHandle) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer9** vertexBuffer,
                               HANDLE* sharedHandle) override;
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DIndexBuffer9** indexBuffer, HANDLE* sharedHandle) override;
    HRESULT GetRenderTargetData(IDirect3DSurface9* renderTarget,
                                IDirect3DSurface9* destSurface) override;
    HRESULT CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                        IDirect3DSurface9** surface, HANDLE* sharedHandle) override;
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
    // What a call does, for its effect: sets state (an entry of state_entries.h, "" for none),
    // draws into the back buffer, or neither.
    enum class Kind { SETTER, DRAW, OTHER };

    // Passes one call on, recording it as text with its result, effect and GL calls. The call is
    // made in place, not through a std::function, which keeps the browser build small.
    template <class Call>
    HRESULT Pass(Kind kind, const std::string& text, const std::string& entry, Call call) {
        const StateVersions before = Begin(text);
        return End(kind, entry, before, call());
    }
    // Starts the record of a call about to be passed on; returns the parts' versions before it.
    StateVersions Begin(const std::string& text);
    // Ends the record with the call's result: its effect, and what a clear or draw drew with.
    HRESULT End(Kind kind, const std::string& entry, const StateVersions& before, HRESULT result);
    // What a clear or draw drew with, and its picture.
    DrawRecord DrawnWith(const CallRecord& call, bool draws);

    void Called(GlFunction function, bool made, const std::string& arguments) override;
    void Part(unsigned part) override;

    Device* device_;
    PortPictureTaker takePicture_;
    void* context_;
    FrameRecord record_;
    // The call that last set each state entry, and that last made each part stale.
    std::map<std::string, unsigned> setBy_;
    unsigned staleSince_[PART_COUNT] = {};
    // The call being passed on, and the part of a draw its GL calls make now.
    CallRecord* current_ = nullptr;
    std::string part_;
};
