// Vertex and index buffers. Every pool keeps its bytes in CPU memory, so they survive a reset and
// a lost context; a GL buffer object holds a copy, uploaded at the first draw after the bytes were
// locked or the context was lost.
#pragma once

#include "gl_context.h"
#include "ref_counted.h"

#include <memory>
#include <vector>

// The storage both kinds of buffer share.
class BufferBytes {
  public:
    BufferBytes(std::shared_ptr<GlContext> context, UINT length);
    ~BufferBytes();
    BufferBytes(const BufferBytes&) = delete;
    BufferBytes& operator=(const BufferBytes&) = delete;

    HRESULT Lock(UINT offset, UINT size, void** data);
    HRESULT Unlock();

    UINT Length() const { return (UINT)bytes_.size(); }
    // True when the context's GL buffer holds the bytes as they are.
    bool Uploaded() const;
    // Binds the GL buffer to the target, uploading the bytes first when they may have changed or
    // the context has none of them. The context must be current.
    void Bind(GLenum target);

  private:
    std::shared_ptr<GlContext> context_;
    std::vector<BYTE> bytes_;
    GLuint name_ = 0;
    unsigned generation_ = 0;
    UINT locks_ = 0;
    bool changed_ = true;
};

class VertexBuffer : public RefCounted<IDirect3DVertexBuffer9> {
  public:
    VertexBuffer(std::shared_ptr<GlContext> context, UINT length)
        : bytes(std::move(context), length) {}

    HRESULT Lock(UINT offset, UINT size, void** data, DWORD) override {
        return bytes.Lock(offset, size, data);
    }
    HRESULT Unlock() override { return bytes.Unlock(); }

    BufferBytes bytes;
    // The buffer's number among the vertex buffers its device made, from 1.
    unsigned serial = 0;
};

class IndexBuffer : public RefCounted<IDirect3DIndexBuffer9> {
  public:
    IndexBuffer(std::shared_ptr<GlContext> context, UINT length, D3DFORMAT format)
        : bytes(std::move(context), length), format(format) {}

    HRESULT Lock(UINT offset, UINT size, void** data, DWORD) override {
        return bytes.Lock(offset, size, data);
    }
    HRESULT Unlock() override { return bytes.Unlock(); }

    BufferBytes bytes;
    const D3DFORMAT format;
    // The buffer's number among the index buffers its device made, from 1.
    unsigned serial = 0;
};
