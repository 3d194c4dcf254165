#include "recording_device.h"

#include "call_text.h"
#include "direct3d_setup.h"

#include <d3dx9.h>

#include <cstring>

namespace {

RecordingPlatform* g_installed = nullptr;

std::string Boolean(DWORD value) {
    return NameOf(value, {{FALSE, "FALSE"}, {TRUE, "TRUE"}});
}

std::string RenderStateText(D3DRENDERSTATETYPE state, DWORD value) {
    switch (state) {
    case 7:
        return "D3DRS_ZENABLE, " + NameOf(value, {{0, "D3DZB_FALSE"}, {1, "D3DZB_TRUE"}});
    case 22:
        return "D3DRS_CULLMODE, " +
               NameOf(value, {{1, "D3DCULL_NONE"}, {2, "D3DCULL_CW"}, {3, "D3DCULL_CCW"}});
    case 29:
        return "D3DRS_SPECULARENABLE, " + Boolean(value);
    case 137:
        return "D3DRS_LIGHTING, " + Boolean(value);
    case 146:
        return "D3DRS_SPECULARMATERIALSOURCE, " +
               NameOf(value, {{0, "D3DMCS_MATERIAL"}, {1, "D3DMCS_COLOR1"}, {2, "D3DMCS_COLOR2"}});
    default:
        return Join({std::to_string(state), std::to_string(value)});
    }
}

std::string FvfText(DWORD fvf) {
    return FlagsOf(fvf, {{0x2, "D3DFVF_XYZ"}, {0x10, "D3DFVF_NORMAL"}, {0x100, "D3DFVF_TEX1"}});
}

std::string PoolText(D3DPOOL pool) {
    return NameOf(pool, {{0, "D3DPOOL_DEFAULT"}, {1, "D3DPOOL_MANAGED"}, {2, "D3DPOOL_SYSTEMMEM"}});
}

} // namespace

RecordingPlatform& InstalledPlatform() {
    return *g_installed;
}

// The system calls Direct3DCreate9 and D3DXCreateTextureFromFileA directly; the unit tests link
// with the linker's --wrap for both so that the calls land here.
extern "C" IDirect3D9* __wrap_Direct3DCreate9(UINT sdkVersion) {
    g_installed->log.Add("Direct3DCreate9(" + NameOf(sdkVersion, {{32, "D3D_SDK_VERSION"}}) + ")");
    return g_installed->createFails ? nullptr : &g_installed->direct3d;
}

extern "C" HRESULT __wrap_D3DXCreateTextureFromFileA(IDirect3DDevice9* device, const char* file,
                                                     IDirect3DTexture9** texture) {
    RecordingPlatform& platform = *g_installed;
    platform.log.Add("D3DXCreateTextureFromFileA(" + Join({platform.log.NameOf(device), file}) +
                     ")");
    if (file == platform.missingFile) {
        return D3DXERR_INVALIDDATA;
    }
    const std::string name(file, std::strchr(file, '.'));
    platform.textures.push_back(std::make_unique<RecordingTexture>(&platform.log, name));
    *texture = platform.textures.back().get();
    return D3D_OK;
}

RecordedCall& CallLog::Add(const std::string& text) {
    calls.push_back(RecordedCall{});
    calls.back().text = text;
    return calls.back();
}

std::string CallLog::NameOf(const void* object) const {
    if (object == nullptr) {
        return "null";
    }
    const auto found = names_.find(object);
    return found == names_.end() ? "unnamed" : found->second;
}

std::vector<std::string> CallLog::Texts() const {
    std::vector<std::string> texts;
    for (const RecordedCall& call : calls) {
        texts.push_back(call.text);
    }
    return texts;
}

RecordingDevice::RecordingDevice(CallLog* log) : log_(log) {
    log_->Name(this, "device");
}

RecordingDevice::~RecordingDevice() {
    delete vertexBuffer;
    delete indexBuffer;
}

ULONG RecordingDevice::AddRef() {
    return ++references;
}

ULONG RecordingDevice::Release() {
    log_->Add("Release(device)");
    return --references;
}

HRESULT RecordingDevice::TestCooperativeLevel() {
    log_->Add("TestCooperativeLevel()");
    return cooperativeLevel;
}

HRESULT RecordingDevice::Reset(D3DPRESENT_PARAMETERS*) {
    log_->Add("Reset()");
    return resetResult;
}

HRESULT RecordingDevice::Present(const RECT* sourceRect, const RECT* destRect,
                                 HWND destWindowOverride, const RGNDATA* dirtyRegion) {
    log_->Add("Present(" +
              Join({log_->NameOf(sourceRect), log_->NameOf(destRect),
                    log_->NameOf(destWindowOverride), log_->NameOf(dirtyRegion)}) +
              ")");
    if (onPresent) {
        onPresent();
    }
    return presentResult;
}

HRESULT RecordingDevice::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                            IDirect3DVertexBuffer9** buffer, HANDLE* shared) {
    log_->Add("CreateVertexBuffer(" +
              Join({std::to_string(length), std::to_string(usage), FvfText(fvf), PoolText(pool),
                    log_->NameOf(shared)}) +
              ")");
    if (FAILED(createResult)) {
        return createResult;
    }
    delete vertexBuffer;
    vertexBuffer = new RecordingBuffer<IDirect3DVertexBuffer9>(log_, "vb", length);
    *buffer = vertexBuffer;
    return D3D_OK;
}

HRESULT RecordingDevice::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                           IDirect3DIndexBuffer9** buffer, HANDLE* shared) {
    log_->Add("CreateIndexBuffer(" +
              Join({std::to_string(length), std::to_string(usage),
                    NameOf(format, {{101, "D3DFMT_INDEX16"}, {102, "D3DFMT_INDEX32"}}),
                    PoolText(pool), log_->NameOf(shared)}) +
              ")");
    if (FAILED(createResult)) {
        return createResult;
    }
    delete indexBuffer;
    indexBuffer = new RecordingBuffer<IDirect3DIndexBuffer9>(log_, "ib", length);
    *buffer = indexBuffer;
    return D3D_OK;
}

HRESULT RecordingDevice::BeginScene() {
    log_->Add("BeginScene()");
    return D3D_OK;
}

HRESULT RecordingDevice::EndScene() {
    log_->Add("EndScene()");
    return D3D_OK;
}

HRESULT RecordingDevice::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color,
                               float z, DWORD stencil) {
    log_->Add(
        "Clear(" +
        Join({std::to_string(count), log_->NameOf(rects),
              FlagsOf(flags,
                      {{1, "D3DCLEAR_TARGET"}, {2, "D3DCLEAR_ZBUFFER"}, {4, "D3DCLEAR_STENCIL"}}),
              Hex(color), Number(z), std::to_string(stencil)}) +
        ")");
    return D3D_OK;
}

HRESULT RecordingDevice::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    log_->Add("SetTransform(" +
              NameOf(state, {{2, "D3DTS_VIEW"}, {3, "D3DTS_PROJECTION"}, {256, "D3DTS_WORLD"}}) +
              ", matrix)")
        .matrix = *matrix;
    return D3D_OK;
}

HRESULT RecordingDevice::SetMaterial(const D3DMATERIAL9* material) {
    log_->Add("SetMaterial(material)").material = *material;
    return D3D_OK;
}

HRESULT RecordingDevice::SetLight(DWORD index, const D3DLIGHT9* light) {
    log_->Add("SetLight(" + std::to_string(index) + ", light)").light = *light;
    return D3D_OK;
}

HRESULT RecordingDevice::LightEnable(DWORD index, BOOL enable) {
    log_->Add("LightEnable(" + Join({std::to_string(index), Boolean(enable)}) + ")");
    return D3D_OK;
}

HRESULT RecordingDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    log_->Add("SetRenderState(" + RenderStateText(state, value) + ")");
    return D3D_OK;
}

HRESULT RecordingDevice::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    log_->Add("SetTexture(" + Join({std::to_string(stage), log_->NameOf(texture)}) + ")");
    return D3D_OK;
}

HRESULT RecordingDevice::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    log_->Add(
        "SetSamplerState(" +
        Join(
            {std::to_string(sampler),
             NameOf(type,
                    {{5, "D3DSAMP_MAGFILTER"}, {6, "D3DSAMP_MINFILTER"}, {7, "D3DSAMP_MIPFILTER"}}),
             NameOf(value, {{0, "D3DTEXF_NONE"}, {1, "D3DTEXF_POINT"}, {2, "D3DTEXF_LINEAR"}})}) +
        ")");
    return D3D_OK;
}

HRESULT RecordingDevice::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex,
                                              UINT minVertexIndex, UINT numVertices,
                                              UINT startIndex, UINT primitiveCount) {
    log_->Add("DrawIndexedPrimitive(" +
              Join({NameOf(type, {{4, "D3DPT_TRIANGLELIST"}, {5, "D3DPT_TRIANGLESTRIP"}}),
                    std::to_string(baseVertexIndex), std::to_string(minVertexIndex),
                    std::to_string(numVertices), std::to_string(startIndex),
                    std::to_string(primitiveCount)}) +
              ")");
    return D3D_OK;
}

HRESULT RecordingDevice::SetFVF(DWORD fvf) {
    log_->Add("SetFVF(" + FvfText(fvf) + ")");
    return D3D_OK;
}

HRESULT RecordingDevice::SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData,
                                         UINT offsetInBytes, UINT stride) {
    log_->Add("SetStreamSource(" +
              Join({std::to_string(streamNumber), log_->NameOf(streamData),
                    std::to_string(offsetInBytes), std::to_string(stride)}) +
              ")");
    return D3D_OK;
}

HRESULT RecordingDevice::SetIndices(IDirect3DIndexBuffer9* indexData) {
    log_->Add("SetIndices(" + log_->NameOf(indexData) + ")");
    return D3D_OK;
}

RecordingDirect3D::RecordingDirect3D(CallLog* log, RecordingDevice* device)
    : log_(log), device_(device) {
    log_->Name(this, "direct3d");
}

ULONG RecordingDirect3D::Release() {
    log_->Add("Release(direct3d)");
    return --references;
}

HRESULT RecordingDirect3D::CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                                        DWORD behaviorFlags,
                                        D3DPRESENT_PARAMETERS* presentationParameters,
                                        IDirect3DDevice9** returnedDeviceInterface) {
    log_->Add("CreateDevice(" +
              Join({NameOf(adapter, {{0, "D3DADAPTER_DEFAULT"}}),
                    NameOf(deviceType, {{1, "D3DDEVTYPE_HAL"}}), log_->NameOf(focusWindow),
                    FlagsOf(behaviorFlags, {{0x20, "D3DCREATE_SOFTWARE_VERTEXPROCESSING"}})}) +
              ")");
    presentParameters = *presentationParameters;
    if (FAILED(createDeviceResult)) {
        return createDeviceResult;
    }
    *returnedDeviceInterface = device_;
    return D3D_OK;
}

RecordingPlatform::RecordingPlatform() {
    g_installed = this;
    g_direct3d = nullptr;
    g_device = nullptr;
    g_vertexBuffer = nullptr;
    g_indexBuffer = nullptr;
}

RecordingPlatform::~RecordingPlatform() {
    g_direct3d = nullptr;
    g_device = nullptr;
    g_vertexBuffer = nullptr;
    g_indexBuffer = nullptr;
    g_installed = nullptr;
}

void RecordingPlatform::InstallDevice() {
    g_device = &device;
}
