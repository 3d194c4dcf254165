// The Direct3D 9 device on OpenGL ES 2.0. Setters record state and mark the parts of the draw made
// from it (device_state.h, render_states.h); one function at draw time turns what is stale into GL
// calls (prepare_draw.cpp), through the context's GL seam (gl_seam.h), drawing with the
// fixed-function programs (pipeline/). The back buffer lives in the window or in a framebuffer
// object of its own (render_target.h), and Present shows it (gl_context.h).
#pragma once

#include "buffers.h"
#include "device_state.h"
#include "gl_context.h"
#include "pipeline/fixed_function.h"
#include "ref_counted.h"
#include "render_target.h"
#include "surface.h"
#include "texture.h"
#include "translate.h"

#include <chrono>
#include <memory>

class Device : public RefCounted<IDirect3DDevice9> {
  public:
    // Takes a reference on the Direct3D object, as the platform's device does.
    Device(IDirect3D9* direct3d, std::shared_ptr<GlContext> context);
    ~Device() override;

    // Makes the back buffer and applies the parameters; on success writes the chosen back
    // buffer size and format back into them.
    HRESULT Initialise(D3DPRESENT_PARAMETERS* parameters);

    const std::shared_ptr<GlContext>& Context() const { return context_; }
    // The parts' versions: which parts of the draw the calls so far made stale.
    const StateVersions& Versions() const { return versions_; }
    // The largest texture side the context takes, at most 8192 as Direct3D 9 hardware reports.
    UINT MaxTextureSize() const { return maxTextureSize_; }
    void SimulateLoss();
    // True while the device is lost: its calls draw nothing.
    bool IsLost() const { return Lost(); }

    // What the frame recorder shows of a draw: the recorded state and bindings, the back
    // buffer's size, and the program of the last draw (null before the first).
    const DeviceState& State() const { return state_; }
    const Texture* BoundTexture() const { return texture_; }
    const VertexBuffer* BoundStream() const { return streamSource_; }
    const IndexBuffer* BoundIndices() const { return indices_; }
    UINT BackBufferWidth() const { return renderTarget_.Width(); }
    UINT BackBufferHeight() const { return renderTarget_.Height(); }
    const FixedFunctionProgram* LastProgram() const { return program_; }

    HRESULT TestCooperativeLevel() override;
    HRESULT GetDeviceCaps(D3DCAPS9* caps) override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* presentationParameters) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                    const RGNDATA* dirtyRegion) override;
    HRESULT GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                          IDirect3DSurface9** surface) override;
    // Managed X8R8G8B8 or A8R8G8B8 textures with usage 0, in system memory alone until drawn.
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
    // Validates the parameters, makes the back buffer, sets the swap interval and writes the
    // chosen values back.
    HRESULT ApplyParameters(D3DPRESENT_PARAMETERS* parameters);
    // Drops the bindings and returns every state to its default.
    void ResetState();
    // Takes a loss announced by SIGUSR1.
    void NoticeLossSignal();
    // True while the device is lost: simulated, or its context lost or replaced since the device
    // made its GL objects.
    bool Lost() const;
    // True while the device is lost and not yet ready to be reset.
    bool StillLosing() const;
    // Whether the back buffer can be read or shown now: D3D_OK with the context current,
    // D3DERR_DEVICELOST while the device is lost, D3DERR_INVALIDCALL once the window has gone.
    HRESULT BackBufferReachable();
    // Whether the device can draw now: the context current, and the back buffer in the window if
    // the window holds it, else in its own framebuffer. The window is asked once a frame, so a
    // window resized between frames takes the back buffer out (and a restored size back in)
    // before the frame's first clear or draw.
    bool ReadyToDraw();
    // Whether the back buffer may live in the window's own framebuffer now.
    bool BackBufferFitsWindow(UINT width, UINT height, bool withDepth) const;

    // Makes in GL what is stale of the parts of the draw (prepare_draw.cpp), in their order:
    // program, camera, transforms, lighting, raster, sampler, vertex input. The context must be
    // current and the draw's arguments checked. False when the program or the texture cannot be
    // made: the draw is then refused.
    bool PrepareDraw(const VertexLayout& layout, INT baseVertex);
    // Whether the draw last made the part at an older version than the setters' (or never).
    bool Stale(DrawPart part) const { return prepared_[PartIndex(part)] != versions_.Of(part); }
    void MarkPrepared(DrawPart part) { prepared_[PartIndex(part)] = versions_.Of(part); }
    // Makes the parts again at the next draw, where the GL seam drops what the context still
    // holds: for what used the context in between.
    void ForgetPrepared(unsigned parts);
    // Writes to stderr whether GL failed to take the textures uploaded since the last Present.
    void ReportUploadErrors();

    IDirect3D9* direct3d_;
    std::shared_ptr<GlContext> context_;
    // The context's generation when the device made its GL objects.
    unsigned generation_;
    UINT maxTextureSize_ = 0;
    RenderTarget renderTarget_;
    FixedFunction fixedFunction_;
    BackBufferSurface backBuffer_{this};
    bool hasDepthBuffer_ = false;
    // The swap effect lets Present discard what the back buffer held: it may live in the window.
    bool discardsAtPresent_ = false;
    // The back buffer has been placed for the frame being drawn.
    bool placed_ = false;
    bool inScene_ = false;

    DeviceState state_ = {};
    StateVersions versions_;
    // The versions of the parts the draw last made; 0, behind every version, at first.
    unsigned prepared_[PART_COUNT] = {};
    // The program of the last draw, and the base vertex its vertex input was made for.
    FixedFunctionProgram* program_ = nullptr;
    // The camera's values as the draw last made them (PART_CAMERA).
    CameraValues camera_ = {};
    INT preparedBaseVertex_ = 0;
    // A texture was uploaded since the last Present, which then asks GL whether that failed.
    bool uploaded_ = false;
    // Frames presented, and the GL calls counted at the last Present, for the port log.
    unsigned presented_ = 0;
    GlCallCounts callsAtPresent_;
    // How many of each kind of resource the device has made, to number the next.
    struct {
        unsigned textures = 0;
        unsigned vertexBuffers = 0;
        unsigned indexBuffers = 0;
    } made_;
    VertexBuffer* streamSource_ = nullptr;
    IndexBuffer* indices_ = nullptr;
    Texture* texture_ = nullptr;

    bool lost_ = false;
    std::chrono::steady_clock::time_point lostAt_;
};
