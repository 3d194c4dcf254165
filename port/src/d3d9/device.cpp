// The device's life: creation, parameters, reset and loss, and the objects it makes.
#include "device.h"

#include "loss_signal.h"
#include "translate.h"

#include "../port_log.h"

#include <algorithm>
#include <new>

namespace {

// How long a simulated loss lasts before the device may be reset.
const std::chrono::milliseconds LOSS_DURATION(500);

// Direct3D 9 hardware reports at most this texture side.
const GLint LARGEST_TEXTURE_SIDE = 8192;

// The widest and highest plain surface: 1 GiB at 4 bytes a pixel, and a pitch that fits a UINT.
const UINT LARGEST_SURFACE_SIDE = 16384;

bool IsBufferPool(D3DPOOL pool) {
    return pool == D3DPOOL_DEFAULT || pool == D3DPOOL_MANAGED || pool == D3DPOOL_SYSTEMMEM;
}

bool IsSurfaceFormat(D3DFORMAT format) {
    return format == D3DFMT_X8R8G8B8 || format == D3DFMT_A8R8G8B8;
}

} // namespace

Device::Device(IDirect3D9* direct3d, std::shared_ptr<GlContext> context)
    : direct3d_(direct3d), context_(std::move(context)), generation_(context_->Generation()) {
    direct3d_->AddRef();
}

Device::~Device() {
    ReplaceReference(&streamSource_, (VertexBuffer*)nullptr);
    ReplaceReference(&indices_, (IndexBuffer*)nullptr);
    ReplaceReference(&texture_, (Texture*)nullptr);
    if (generation_ == context_->Generation() && context_->MakeCurrent()) {
        renderTarget_.Destroy(&context_->Gl());
        fixedFunction_.Destroy(&context_->Gl());
    }
    direct3d_->Release();
}

HRESULT Device::Initialise(D3DPRESENT_PARAMETERS* parameters) {
    if (!context_->MakeCurrent()) {
        return D3DERR_INVALIDCALL;
    }
    GLint largest = 0;
    GL_CALL(&context_->Gl(), glGetIntegerv)(GL_MAX_TEXTURE_SIZE, &largest);
    maxTextureSize_ = (UINT)std::min(largest, LARGEST_TEXTURE_SIDE);
    const HRESULT result = ApplyParameters(parameters);
    if (SUCCEEDED(result)) {
        ResetState();
    }
    return result;
}

HRESULT Device::ApplyParameters(D3DPRESENT_PARAMETERS* parameters) {
    const std::optional<int> swapInterval =
        TranslatePresentationInterval(parameters->PresentationInterval);
    const bool otherWindow =
        parameters->hDeviceWindow != nullptr && parameters->hDeviceWindow != context_->Window();
    const bool knownFormat = parameters->BackBufferFormat == D3DFMT_UNKNOWN ||
                             IsSurfaceFormat(parameters->BackBufferFormat);
    const bool knownDepth =
        !parameters->EnableAutoDepthStencil || parameters->AutoDepthStencilFormat == D3DFMT_D16;
    if (!parameters->Windowed || otherWindow || !knownFormat || !knownDepth ||
        parameters->MultiSampleType != D3DMULTISAMPLE_NONE || !swapInterval) {
        return D3DERR_INVALIDCALL;
    }
    if (!context_->MakeCurrent()) {
        return D3DERR_INVALIDCALL;
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(context_->Window(), &client);
    const UINT width = parameters->BackBufferWidth != 0
                           ? parameters->BackBufferWidth
                           : (UINT)std::max<LONG>(1, client.right - client.left);
    const UINT height = parameters->BackBufferHeight != 0
                            ? parameters->BackBufferHeight
                            : (UINT)std::max<LONG>(1, client.bottom - client.top);
    const bool withDepth = parameters->EnableAutoDepthStencil != FALSE;
    discardsAtPresent_ = parameters->SwapEffect == D3DSWAPEFFECT_DISCARD;
    if (!renderTarget_.Create(width, height, withDepth, context_->TexelFormat(),
                              BackBufferFitsWindow(width, height, withDepth), &context_->Gl())) {
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    hasDepthBuffer_ = withDepth;
    placed_ = true;
    const int granted = context_->SetSwapInterval(*swapInterval);
    PortLogInfo("d3d9: back buffer %u x %u", width, height);
    PortLogInfo("d3d9: swap interval asked %d, granted %d", *swapInterval, granted);

    parameters->BackBufferWidth = width;
    parameters->BackBufferHeight = height;
    if (parameters->BackBufferFormat == D3DFMT_UNKNOWN) {
        parameters->BackBufferFormat = D3DFMT_X8R8G8B8;
    }
    parameters->BackBufferCount = std::max<UINT>(1, parameters->BackBufferCount);
    return D3D_OK;
}

void Device::ResetState() {
    ReplaceReference(&streamSource_, (VertexBuffer*)nullptr);
    ReplaceReference(&indices_, (IndexBuffer*)nullptr);
    ReplaceReference(&texture_, (Texture*)nullptr);
    SetDefaultState(&state_, hasDepthBuffer_);
    versions_.MarkStale(~0u);
    program_ = nullptr;
    inScene_ = false;
}

void Device::SimulateLoss() {
    lost_ = true;
    lostAt_ = std::chrono::steady_clock::now();
}

void Device::NoticeLossSignal() {
    if (TakeLossSignal()) {
        SimulateLoss();
    }
}

bool Device::Lost() const {
    return lost_ || context_->ContextLost() || generation_ != context_->Generation();
}

bool Device::StillLosing() const {
    return context_->ContextLost() ||
           (lost_ && std::chrono::steady_clock::now() - lostAt_ < LOSS_DURATION);
}

HRESULT Device::BackBufferReachable() {
    NoticeLossSignal();
    if (Lost()) {
        return D3DERR_DEVICELOST;
    }
    return context_->MakeCurrent() ? D3D_OK : D3DERR_INVALIDCALL;
}

bool Device::ReadyToDraw() {
    if (!context_->MakeCurrent()) {
        return false;
    }
    if (!placed_) {
        const bool inWindow =
            BackBufferFitsWindow(renderTarget_.Width(), renderTarget_.Height(), hasDepthBuffer_);
        placed_ = renderTarget_.MoveInOrOut(inWindow, &context_->Gl());
        // A framebuffer made for it binds its colour texture.
        ForgetPrepared(PART_SAMPLER);
    }
    return placed_;
}

void Device::ForgetPrepared(unsigned parts) {
    for (unsigned index = 0; index < PART_COUNT; ++index) {
        if ((parts >> index) & 1u) {
            prepared_[index] = 0;
        }
    }
}

bool Device::BackBufferFitsWindow(UINT width, UINT height, bool withDepth) const {
    return discardsAtPresent_ && context_->WindowFits(width, height, withDepth);
}

HRESULT Device::TestCooperativeLevel() {
    NoticeLossSignal();
    if (!Lost()) {
        return D3D_OK;
    }
    return StillLosing() ? D3DERR_DEVICELOST : D3DERR_DEVICENOTRESET;
}

HRESULT Device::Reset(D3DPRESENT_PARAMETERS* presentationParameters) {
    if (presentationParameters == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    NoticeLossSignal();
    if (StillLosing()) {
        return D3DERR_DEVICELOST;
    }
    if (generation_ != context_->Generation() && backBuffer_.Held() == 0 &&
        context_->MakeCurrent()) {
        // The context was lost and is back without any of the device's GL objects: make them anew.
        renderTarget_.DropLostObjects();
        fixedFunction_.DropLostObjects();
        context_->Gl().Invalidate();
        generation_ = context_->Generation();
    }
    // The application must have let go of the back buffer; a failed reset leaves the device
    // lost, ready for another attempt.
    const HRESULT result =
        backBuffer_.Held() != 0 ? D3DERR_INVALIDCALL : ApplyParameters(presentationParameters);
    if (FAILED(result)) {
        lost_ = true;
        lostAt_ = std::chrono::steady_clock::now() - LOSS_DURATION;
        return result;
    }
    ResetState();
    lost_ = false;
    return D3D_OK;
}

HRESULT Device::GetDeviceCaps(D3DCAPS9* caps) {
    if (caps == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    caps->MaxTextureWidth = maxTextureSize_;
    caps->MaxTextureHeight = maxTextureSize_;
    return D3D_OK;
}

HRESULT Device::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                              D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* sharedHandle) {
    if (texture == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *texture = nullptr;
    if (sharedHandle != nullptr || width == 0 || height == 0 || width > maxTextureSize_ ||
        height > maxTextureSize_ || usage != 0 || pool != D3DPOOL_MANAGED ||
        !IsSurfaceFormat(format)) {
        return D3DERR_INVALIDCALL;
    }
    const UINT fullChain = FullMipChainLength(width, height);
    if (levels > fullChain) {
        return D3DERR_INVALIDCALL;
    }
    // Memory alone, as in the managed pool, so this works while the context is lost too; the GL
    // texture is filled at the texture's first draw.
    try {
        Texture* made =
            new Texture(context_, width, height, levels == 0 ? fullChain : levels, format);
        made->serial = ++made_.textures;
        *texture = made;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}

HRESULT Device::CreateVertexBuffer(UINT length, DWORD, DWORD, D3DPOOL pool,
                                   IDirect3DVertexBuffer9** vertexBuffer, HANDLE* sharedHandle) {
    if (vertexBuffer == nullptr || sharedHandle != nullptr || length == 0 || !IsBufferPool(pool)) {
        return D3DERR_INVALIDCALL;
    }
    try {
        VertexBuffer* made = new VertexBuffer(context_, length);
        made->serial = ++made_.vertexBuffers;
        *vertexBuffer = made;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}

HRESULT Device::CreateIndexBuffer(UINT length, DWORD, D3DFORMAT format, D3DPOOL pool,
                                  IDirect3DIndexBuffer9** indexBuffer, HANDLE* sharedHandle) {
    if (indexBuffer == nullptr || sharedHandle != nullptr || length == 0 || !IsBufferPool(pool) ||
        !TranslateIndexFormat(format)) {
        return D3DERR_INVALIDCALL;
    }
    try {
        IndexBuffer* made = new IndexBuffer(context_, length, format);
        made->serial = ++made_.indexBuffers;
        *indexBuffer = made;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}

HRESULT Device::CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                            IDirect3DSurface9** surface, HANDLE* sharedHandle) {
    if (surface == nullptr || sharedHandle != nullptr || width == 0 || height == 0 ||
        width > LARGEST_SURFACE_SIDE || height > LARGEST_SURFACE_SIDE ||
        pool != D3DPOOL_SYSTEMMEM || !IsSurfaceFormat(format)) {
        return D3DERR_INVALIDCALL;
    }
    try {
        *surface = new SystemMemorySurface(width, height, format);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}

HRESULT Device::GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                              IDirect3DSurface9** surface) {
    if (surface == nullptr || swapChain != 0 || backBuffer != 0 ||
        type != D3DBACKBUFFER_TYPE_MONO) {
        return D3DERR_INVALIDCALL;
    }
    backBuffer_.AddRef();
    *surface = &backBuffer_;
    return D3D_OK;
}

HRESULT Device::GetRenderTargetData(IDirect3DSurface9* renderTarget,
                                    IDirect3DSurface9* destSurface) {
    SystemMemorySurface* destination = dynamic_cast<SystemMemorySurface*>(destSurface);
    if (renderTarget != &backBuffer_ || destination == nullptr ||
        destination->width != renderTarget_.Width() ||
        destination->height != renderTarget_.Height()) {
        return D3DERR_INVALIDCALL;
    }
    if (const HRESULT reachable = BackBufferReachable(); reachable != D3D_OK) {
        return reachable;
    }
    renderTarget_.Read(destination->pixels.get(), &context_->Gl(), context_->TexelFormat());
    return D3D_OK;
}
