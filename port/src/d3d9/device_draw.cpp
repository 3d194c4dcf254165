// The device's frame: clearing, scenes, draws and presenting.
#include "device.h"

#include "../port_log.h"

#include <cstdint>
#include <cstdio>

HRESULT Device::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                      DWORD) {
    const DWORD known = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER;
    if (count != 0 || rects != nullptr || flags == 0 || (flags & ~known) != 0 ||
        ((flags & D3DCLEAR_ZBUFFER) && !hasDepthBuffer_) || z < 0.0f || z > 1.0f) {
        return D3DERR_INVALIDCALL;
    }
    if (Lost()) {
        return D3D_OK;
    }
    if (!ReadyToDraw()) {
        return D3DERR_INVALIDCALL;
    }
    GlSeam* gl = &context_->Gl();
    GLbitfield mask = 0;
    if (flags & D3DCLEAR_TARGET) {
        const D3DCOLORVALUE colour = ColourValueOf(color);
        gl->ClearColor({colour.r, colour.g, colour.b, colour.a});
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_ZBUFFER) {
        gl->ClearDepth(z);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    GL_CALL(gl, glClear)(mask);
    return D3D_OK;
}

HRESULT Device::BeginScene() {
    if (inScene_) {
        return D3DERR_INVALIDCALL;
    }
    inScene_ = true;
    return D3D_OK;
}

HRESULT Device::EndScene() {
    if (!inScene_) {
        return D3DERR_INVALIDCALL;
    }
    inScene_ = false;
    return D3D_OK;
}

HRESULT Device::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex,
                                     UINT minVertexIndex, UINT numVertices, UINT startIndex,
                                     UINT primitiveCount) {
    if (primitiveCount == 0 || streamSource_ == nullptr || indices_ == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    const std::optional<DrawShape> shape = TranslatePrimitiveType(type, primitiveCount);
    const std::optional<VertexLayout> vertexLayout = TranslateVertexFormat(state_.fvf);
    const std::optional<IndexLayout> indexLayout = TranslateIndexFormat(indices_->format);
    if (!shape || !vertexLayout || !indexLayout || state_.streamStride < vertexLayout->size) {
        return D3DERR_INVALIDCALL;
    }
    const uint64_t indexEnd =
        ((uint64_t)startIndex + (uint64_t)shape->indexCount) * indexLayout->size;
    // The vertices the draw says it uses must lie in the vertex buffer.
    const int64_t firstVertexByte =
        (int64_t)state_.streamOffset + (int64_t)baseVertexIndex * state_.streamStride;
    if (indexEnd > indices_->bytes.Length() || firstVertexByte < 0 ||
        (uint64_t)firstVertexByte + ((uint64_t)minVertexIndex + numVertices) * state_.streamStride >
            streamSource_->bytes.Length()) {
        return D3DERR_INVALIDCALL;
    }
    if (Lost()) {
        return D3D_OK;
    }
    if (!ReadyToDraw()) {
        return D3DERR_INVALIDCALL;
    }
    if (!PrepareDraw(*vertexLayout, baseVertexIndex)) {
        return D3DERR_INVALIDCALL;
    }
    GlSeam* gl = &context_->Gl();
    gl->NotePart(PART_NONE);
    GL_CALL(gl, glDrawElements)
    (shape->mode, shape->indexCount, indexLayout->type,
     (const void*)(uintptr_t)((uint64_t)startIndex * indexLayout->size));
    return D3D_OK;
}

// Asked once a frame that uploaded textures, not at each upload: a glGetError waits until GL has
// caught up with every call before it, which in a browser is a round trip to its GPU process. GL
// leaves a texture it could not take (GL_OUT_OF_MEMORY) undefined; the frame is drawn, and stderr
// says so.
void Device::ReportUploadErrors() {
    uploaded_ = false;
    GlSeam* gl = &context_->Gl();
    if (const GLenum error = GL_CALL(gl, glGetError)(); error != GL_NO_ERROR) {
        std::fprintf(stderr, "d3d9: OpenGL could not take a texture drawn in frame %u: %s\n",
                     presented_ + 1, GlEnumName(error).c_str());
    }
}

HRESULT Device::Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                        const RGNDATA* dirtyRegion) {
    if (sourceRect != nullptr || destRect != nullptr || destWindowOverride != nullptr ||
        dirtyRegion != nullptr) {
        return D3DERR_INVALIDCALL;
    }
    if (const HRESULT reachable = BackBufferReachable(); reachable != D3D_OK) {
        return reachable;
    }
    placed_ = false;
    if (uploaded_) {
        ReportUploadErrors();
    }
    const bool presented = context_->Present(&renderTarget_);
    // Presenting may have drawn with the context (a quad over the window where there is no blit).
    ForgetPrepared(PART_PROGRAM | PART_RASTER | PART_SAMPLER | PART_VERTEX_INPUT);
    ++presented_;
    if (PortLogInfoWanted()) {
        const GlCallCounts& counts = context_->Gl().Counts();
        PortLogInfo("d3d9: frame %u GL calls: %s", presented_,
                    DescribeGlCalls(callsAtPresent_, counts).c_str());
        callsAtPresent_ = counts;
    }
    return presented ? D3D_OK : D3DERR_INVALIDCALL;
}
