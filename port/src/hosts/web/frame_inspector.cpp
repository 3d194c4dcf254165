// The frame inspector of the browser's program pages; web/frame_panel.js is its page side. The
// device a program gets passes every call on to the stand-in's device, or, during a frame the
// page asked to see, to a frame recorder (port_inspect.h). Once that frame's Present has been
// passed on, the page gets the record as JSON, having had a picture of the back buffer after each
// clear and draw, and the program waits inside Present until the page lets it go on. Linked into
// the programs alone: the capture and benchmark pages have none of it.
#include "../../d3d9/device_front.h"

#include "back_buffer.h"
#include <port_inspect.h>

#include <emscripten.h>

#include <vector>

namespace {

// Whether the page wants frame number frame (from 1, as the capture tools count) recorded.
EM_JS(int, port_web_frame_wanted, (unsigned frame),
      { return window.framePanel && window.framePanel.wanted(frame) ? 1 : 0; });

// A picture of the back buffer after call number call: width x height pixels of R, G, B bytes,
// top row first. The page copies them.
EM_JS(void, port_web_frame_picture,
      (unsigned call, const unsigned char* rgb, int width, int height), {
          window.framePanel.picture(call, HEAPU8.subarray(rgb, rgb + width * height * 3), width,
                                    height);
      });

// Hands frame number frame's record to the page and waits until the page lets the program go on.
EM_ASYNC_JS(void, port_web_frame_held, (unsigned frame, const char* json),
            { await window.framePanel.held(frame, UTF8ToString(json)); });

// Reads the back buffer through the device itself, unrecorded, and hands it to the page.
std::string TakePicture(IDirect3DDevice9* device, unsigned call, void*) {
    Device* drawing = static_cast<Device*>(device);
    const UINT width = drawing->BackBufferWidth();
    const UINT height = drawing->BackBufferHeight();
    std::vector<unsigned char> rgb;
    if (!ReadBackBuffer(device, width, height, &rgb)) {
        return std::string();
    }
    port_web_frame_picture(call, rgb.data(), (int)width, (int)height);
    return "call-" + std::to_string(call);
}

// Passes each call on to the device, or to the recorder in front of it while a frame is recorded.
class InspectedDevice : public RefCounted<IDirect3DDevice9> {
  public:
    // Takes over the creator's reference on the device.
    explicit InspectedDevice(Device* device) : device_(device), target_(device) {
        RecordIfWanted();
    }
    ~InspectedDevice() override {
        if (target_ != device_) {
            PortStopRecording(&target_, true);
        }
        device_->Release();
    }
    InspectedDevice(const InspectedDevice&) = delete;
    InspectedDevice& operator=(const InspectedDevice&) = delete;

    // The frame ends once its Present has been passed on and has shown it.
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                    const RGNDATA* dirtyRegion) override {
        const HRESULT result =
            target_->Present(sourceRect, destRect, destWindowOverride, dirtyRegion);
        ++presented_;
        if (target_ != device_) {
            const std::string record = PortStopRecording(&target_, true);
            port_web_frame_held(presented_, record.c_str());
        }
        RecordIfWanted();
        return result;
    }

    HRESULT TestCooperativeLevel() override { return target_->TestCooperativeLevel(); }
    HRESULT GetDeviceCaps(D3DCAPS9* caps) override { return target_->GetDeviceCaps(caps); }
    HRESULT Reset(D3DPRESENT_PARAMETERS* parameters) override { return target_->Reset(parameters); }
    HRESULT GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                          IDirect3DSurface9** surface) override {
        return target_->GetBackBuffer(swapChain, backBuffer, type, surface);
    }
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                          D3DPOOL pool, IDirect3DTexture9** texture,
                          HANDLE* sharedHandle) override {
        return target_->CreateTexture(width, height, levels, usage, format, pool, texture,
                                      sharedHandle);
    }
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer9** vertexBuffer,
                               HANDLE* sharedHandle) override {
        return target_->CreateVertexBuffer(length, usage, fvf, pool, vertexBuffer, sharedHandle);
    }
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DIndexBuffer9** indexBuffer, HANDLE* sharedHandle) override {
        return target_->CreateIndexBuffer(length, usage, format, pool, indexBuffer, sharedHandle);
    }
    HRESULT GetRenderTargetData(IDirect3DSurface9* renderTarget,
                                IDirect3DSurface9* destSurface) override {
        return target_->GetRenderTargetData(renderTarget, destSurface);
    }
    HRESULT CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                        IDirect3DSurface9** surface,
                                        HANDLE* sharedHandle) override {
        return target_->CreateOffscreenPlainSurface(width, height, format, pool, surface,
                                                    sharedHandle);
    }
    HRESULT BeginScene() override { return target_->BeginScene(); }
    HRESULT EndScene() override { return target_->EndScene(); }
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                  DWORD stencil) override {
        return target_->Clear(count, rects, flags, color, z, stencil);
    }
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override {
        return target_->SetTransform(state, matrix);
    }
    HRESULT SetMaterial(const D3DMATERIAL9* material) override {
        return target_->SetMaterial(material);
    }
    HRESULT SetLight(DWORD index, const D3DLIGHT9* light) override {
        return target_->SetLight(index, light);
    }
    HRESULT LightEnable(DWORD index, BOOL enable) override {
        return target_->LightEnable(index, enable);
    }
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override {
        return target_->SetRenderState(state, value);
    }
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override {
        return target_->SetTexture(stage, texture);
    }
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override {
        return target_->SetSamplerState(sampler, type, value);
    }
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex, UINT minVertexIndex,
                                 UINT numVertices, UINT startIndex, UINT primitiveCount) override {
        return target_->DrawIndexedPrimitive(type, baseVertexIndex, minVertexIndex, numVertices,
                                             startIndex, primitiveCount);
    }
    HRESULT SetFVF(DWORD fvf) override { return target_->SetFVF(fvf); }
    HRESULT SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData,
                            UINT offsetInBytes, UINT stride) override {
        return target_->SetStreamSource(streamNumber, streamData, offsetInBytes, stride);
    }
    HRESULT SetIndices(IDirect3DIndexBuffer9* indexData) override {
        return target_->SetIndices(indexData);
    }

  private:
    // Puts a recorder in front of the device when the page wants the coming frame.
    void RecordIfWanted() {
        if (port_web_frame_wanted(presented_ + 1)) {
            PortStartRecording(&target_, TakePicture, nullptr);
        }
    }

    Device* device_;
    // The device, or the recorder in front of it.
    IDirect3DDevice9* target_;
    unsigned presented_ = 0;
};

IDirect3DDevice9* Inspected(Device* device) {
    return new InspectedDevice(device);
}

// Before WinMain runs: every device the program creates is inspected.
struct Inspecting {
    Inspecting() { SetDeviceFront(Inspected); }
} g_inspecting;

} // namespace
