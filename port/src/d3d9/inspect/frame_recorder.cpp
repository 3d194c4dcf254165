#include "frame_recorder.h"

#include "../pipeline/glsl_program.h"
#include "../pipeline/shader_sources.h"
#include "call_names.h"

namespace {

std::string Number(long long value) {
    return std::to_string(value);
}

std::string Pointer(const void* pointer) {
    return pointer == nullptr ? "NULL" : "&value";
}

} // namespace

FrameRecorder::FrameRecorder(Device* device, PortPictureTaker takePicture, void* context)
    : device_(device), takePicture_(takePicture), context_(context) {
    device_->AddRef();
    record_.startState = StateEntriesOf(*device_, setBy_);
}

FrameRecorder::~FrameRecorder() {
    device_->Context()->Gl().Observe(nullptr);
    device_->Release();
}

StateVersions FrameRecorder::Begin(const std::string& text) {
    record_.calls.push_back(CallRecord{});
    CallRecord& record = record_.calls.back();
    record.number = (unsigned)record_.calls.size();
    record.call = text;
    current_ = &record;
    part_.clear();
    device_->Context()->Gl().Observe(this);
    return device_->Versions();
}

HRESULT FrameRecorder::End(Kind kind, const std::string& entry, const StateVersions& before,
                           HRESULT result) {
    device_->Context()->Gl().Observe(nullptr);
    current_ = nullptr;
    CallRecord& record = record_.calls.back();
    record.result = ResultName(result);

    std::string stale;
    for (unsigned index = 0; index < PART_COUNT; ++index) {
        const DrawPart part = (DrawPart)(1u << index);
        if (device_->Versions().Of(part) != before.Of(part)) {
            staleSince_[index] = record.number;
            stale += (stale.empty() ? "" : ", ") + std::string(DrawPartName(part));
        }
    }
    if (kind == Kind::SETTER) {
        if (SUCCEEDED(result) && !entry.empty()) {
            setBy_[entry] = record.number;
        }
        record.effect = FAILED(result)  ? "refused: nothing set"
                        : stale.empty() ? "nothing: value unchanged"
                                        : "stale: " + stale;
    } else if (kind == Kind::DRAW && device_->IsLost()) {
        record.effect = "device lost: nothing drawn";
    } else if (kind == Kind::DRAW && SUCCEEDED(result)) {
        record.drew = true;
        record.draw = DrawnWith(record, record.call.rfind("Clear(", 0) != 0);
    }
    return result;
}

DrawRecord FrameRecorder::DrawnWith(const CallRecord& call, bool draws) {
    DrawRecord drawn;
    drawn.state = StateEntriesOf(*device_, setBy_);
    const FixedFunctionProgram* program = device_->LastProgram();
    if (draws && program != nullptr) {
        for (unsigned index = 0; index < PART_COUNT; ++index) {
            const std::string name = DrawPartName((DrawPart)(1u << index));
            for (const GlCallRecord& gl : call.gl) {
                if (gl.part == name) {
                    drawn.causes.push_back({name, staleSince_[index]});
                    break;
                }
            }
        }
        GlSeam* gl = &device_->Context()->Gl();
        const bool es = SpeaksGlslEs(gl);
        drawn.programDefines =
            DefinesOf(KeyOf(device_->State(), device_->BoundTexture() != nullptr));
        drawn.vertexShader =
            ShaderText(es, GL_VERTEX_SHADER, drawn.programDefines, FIXED_FUNCTION_VERTEX_SHADER);
        drawn.fragmentShader = ShaderText(es, GL_FRAGMENT_SHADER, drawn.programDefines,
                                          FIXED_FUNCTION_FRAGMENT_SHADER);
        for (const FixedFunctionUniform& uniform : FIXED_FUNCTION_UNIFORMS) {
            const GLint location = program->*uniform.location;
            if (location >= 0) {
                const std::vector<GLfloat> values = gl->UniformValues(program->name, location);
                drawn.uniforms.emplace_back(
                    uniform.name, values.empty()
                                      ? "zeros"
                                      : GlArgumentText(GlFloats{values.data(), values.size()}));
            }
        }
    }
    if (takePicture_ != nullptr) {
        drawn.picture = takePicture_(device_, call.number, context_);
    }
    return drawn;
}

void FrameRecorder::Called(GlFunction function, bool made, const std::string& arguments) {
    if (current_ != nullptr) {
        current_->gl.push_back({part_, function, made, arguments});
    }
}

void FrameRecorder::Part(unsigned part) {
    part_ = DrawPartName((DrawPart)part);
}

HRESULT FrameRecorder::TestCooperativeLevel() {
    return Pass(Kind::OTHER, "TestCooperativeLevel()", "",
                [&] { return device_->TestCooperativeLevel(); });
}

HRESULT FrameRecorder::GetDeviceCaps(D3DCAPS9* caps) {
    return Pass(Kind::OTHER, "GetDeviceCaps(" + Pointer(caps) + ")", "",
                [&] { return device_->GetDeviceCaps(caps); });
}

HRESULT FrameRecorder::Reset(D3DPRESENT_PARAMETERS* presentationParameters) {
    return Pass(Kind::OTHER, "Reset(" + Pointer(presentationParameters) + ")", "",
                [&] { return device_->Reset(presentationParameters); });
}

HRESULT FrameRecorder::Present(const RECT* sourceRect, const RECT* destRect,
                               HWND destWindowOverride, const RGNDATA* dirtyRegion) {
    return Pass(Kind::OTHER,
                "Present(" + Pointer(sourceRect) + ", " + Pointer(destRect) + ", " +
                    Pointer(destWindowOverride) + ", " + Pointer(dirtyRegion) + ")",
                "", [&] {
                    return device_->Present(sourceRect, destRect, destWindowOverride, dirtyRegion);
                });
}

HRESULT FrameRecorder::GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                                     IDirect3DSurface9** surface) {
    return Pass(Kind::OTHER,
                "GetBackBuffer(" + Number(swapChain) + ", " + Number(backBuffer) + ", " +
                    Number(type) + ", " + Pointer(surface) + ")",
                "", [&] { return device_->GetBackBuffer(swapChain, backBuffer, type, surface); });
}

HRESULT FrameRecorder::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage,
                                     D3DFORMAT format, D3DPOOL pool, IDirect3DTexture9** texture,
                                     HANDLE* sharedHandle) {
    return Pass(Kind::OTHER,
                "CreateTexture(" + Number(width) + ", " + Number(height) + ", " + Number(levels) +
                    ", " + Number(usage) + ", " + FormatName(format) + ", " + PoolName(pool) +
                    ", " + Pointer(texture) + ", " + Pointer(sharedHandle) + ")",
                "", [&] {
                    return device_->CreateTexture(width, height, levels, usage, format, pool,
                                                  texture, sharedHandle);
                });
}

HRESULT FrameRecorder::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                          IDirect3DVertexBuffer9** vertexBuffer,
                                          HANDLE* sharedHandle) {
    return Pass(Kind::OTHER,
                "CreateVertexBuffer(" + Number(length) + ", " + Number(usage) + ", " +
                    VertexFormatName(fvf) + ", " + PoolName(pool) + ", " + Pointer(vertexBuffer) +
                    ", " + Pointer(sharedHandle) + ")",
                "", [&] {
                    return device_->CreateVertexBuffer(length, usage, fvf, pool, vertexBuffer,
                                                       sharedHandle);
                });
}

HRESULT FrameRecorder::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                         IDirect3DIndexBuffer9** indexBuffer,
                                         HANDLE* sharedHandle) {
    return Pass(Kind::OTHER,
                "CreateIndexBuffer(" + Number(length) + ", " + Number(usage) + ", " +
                    FormatName(format) + ", " + PoolName(pool) + ", " + Pointer(indexBuffer) +
                    ", " + Pointer(sharedHandle) + ")",
                "", [&] {
                    return device_->CreateIndexBuffer(length, usage, format, pool, indexBuffer,
                                                      sharedHandle);
                });
}

HRESULT FrameRecorder::GetRenderTargetData(IDirect3DSurface9* renderTarget,
                                           IDirect3DSurface9* destSurface) {
    return Pass(Kind::OTHER,
                "GetRenderTargetData(" + ResourceName(renderTarget) + ", " +
                    ResourceName(destSurface) + ")",
                "", [&] { return device_->GetRenderTargetData(renderTarget, destSurface); });
}

HRESULT FrameRecorder::CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format,
                                                   D3DPOOL pool, IDirect3DSurface9** surface,
                                                   HANDLE* sharedHandle) {
    return Pass(Kind::OTHER,
                "CreateOffscreenPlainSurface(" + Number(width) + ", " + Number(height) + ", " +
                    FormatName(format) + ", " + PoolName(pool) + ", " + Pointer(surface) + ", " +
                    Pointer(sharedHandle) + ")",
                "", [&] {
                    return device_->CreateOffscreenPlainSurface(width, height, format, pool,
                                                                surface, sharedHandle);
                });
}

HRESULT FrameRecorder::BeginScene() {
    return Pass(Kind::OTHER, "BeginScene()", "", [&] { return device_->BeginScene(); });
}

HRESULT FrameRecorder::EndScene() {
    return Pass(Kind::OTHER, "EndScene()", "", [&] { return device_->EndScene(); });
}

HRESULT FrameRecorder::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color,
                             float z, DWORD stencil) {
    return Pass(Kind::DRAW,
                "Clear(" + Number(count) + ", " + Pointer(rects) + ", " + ClearFlagsName(flags) +
                    ", " + ColourName(color) + ", " + FloatName(z) + ", " + Number(stencil) + ")",
                "", [&] { return device_->Clear(count, rects, flags, color, z, stencil); });
}

HRESULT FrameRecorder::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
    return Pass(Kind::SETTER,
                "SetTransform(" + TransformStateName(state) + ", " +
                    (matrix != nullptr ? MatrixText(*matrix) : "NULL") + ")",
                TransformEntry(state), [&] { return device_->SetTransform(state, matrix); });
}

HRESULT FrameRecorder::SetMaterial(const D3DMATERIAL9* material) {
    return Pass(
        Kind::SETTER,
        "SetMaterial(" +
            (material != nullptr ? "{" + MaterialText(*material) + "}" : std::string("NULL")) + ")",
        MATERIAL_ENTRY, [&] { return device_->SetMaterial(material); });
}

HRESULT FrameRecorder::SetLight(DWORD index, const D3DLIGHT9* light) {
    return Pass(Kind::SETTER,
                "SetLight(" + Number(index) + ", " +
                    (light != nullptr ? "{" + LightText(*light) + "}" : std::string("NULL")) + ")",
                LightEntry(index), [&] { return device_->SetLight(index, light); });
}

HRESULT FrameRecorder::LightEnable(DWORD index, BOOL enable) {
    return Pass(Kind::SETTER, "LightEnable(" + Number(index) + ", " + BooleanName(enable) + ")",
                LightEnabledEntry(index), [&] { return device_->LightEnable(index, enable); });
}

HRESULT FrameRecorder::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    return Pass(Kind::SETTER,
                "SetRenderState(" + RenderStateName(state) + ", " +
                    RenderStateValueName(state, value) + ")",
                RenderStateName(state), [&] { return device_->SetRenderState(state, value); });
}

HRESULT FrameRecorder::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
    return Pass(Kind::SETTER, "SetTexture(" + Number(stage) + ", " + ResourceName(texture) + ")",
                TEXTURE_ENTRY, [&] { return device_->SetTexture(stage, texture); });
}

HRESULT FrameRecorder::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    return Pass(Kind::SETTER,
                "SetSamplerState(" + Number(sampler) + ", " + SamplerStateName(type) + ", " +
                    TextureFilterName(value) + ")",
                SamplerEntry(type), [&] { return device_->SetSamplerState(sampler, type, value); });
}

HRESULT FrameRecorder::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex,
                                            UINT minVertexIndex, UINT numVertices, UINT startIndex,
                                            UINT primitiveCount) {
    return Pass(Kind::DRAW,
                "DrawIndexedPrimitive(" + PrimitiveTypeName(type) + ", " + Number(baseVertexIndex) +
                    ", " + Number(minVertexIndex) + ", " + Number(numVertices) + ", " +
                    Number(startIndex) + ", " + Number(primitiveCount) + ")",
                "", [&] {
                    return device_->DrawIndexedPrimitive(type, baseVertexIndex, minVertexIndex,
                                                         numVertices, startIndex, primitiveCount);
                });
}

HRESULT FrameRecorder::SetFVF(DWORD fvf) {
    return Pass(Kind::SETTER, "SetFVF(" + VertexFormatName(fvf) + ")", FVF_ENTRY,
                [&] { return device_->SetFVF(fvf); });
}

HRESULT FrameRecorder::SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData,
                                       UINT offsetInBytes, UINT stride) {
    return Pass(
        Kind::SETTER,
        "SetStreamSource(" + Number(streamNumber) + ", " + ResourceName(streamData) + ", " +
            Number(offsetInBytes) + ", " + Number(stride) + ")",
        STREAM_ENTRY,
        [&] { return device_->SetStreamSource(streamNumber, streamData, offsetInBytes, stride); });
}

HRESULT FrameRecorder::SetIndices(IDirect3DIndexBuffer9* indexData) {
    return Pass(Kind::SETTER, "SetIndices(" + ResourceName(indexData) + ")", INDICES_ENTRY,
                [&] { return device_->SetIndices(indexData); });
}
