#include "buffers.h"

BufferBytes::BufferBytes(std::shared_ptr<GlContext> context, UINT length)
    : context_(std::move(context)), bytes_(length) {}

BufferBytes::~BufferBytes() {
    if (name_ != 0 && generation_ == context_->Generation() && context_->MakeCurrent()) {
        context_->Gl().DeleteBuffer(name_);
    }
}

HRESULT BufferBytes::Lock(UINT offset, UINT size, void** data) {
    if (data == nullptr || offset > bytes_.size() || size > bytes_.size() - offset) {
        return D3DERR_INVALIDCALL;
    }
    ++locks_;
    changed_ = true;
    *data = bytes_.data() + offset;
    return D3D_OK;
}

HRESULT BufferBytes::Unlock() {
    if (locks_ == 0) {
        return D3DERR_INVALIDCALL;
    }
    --locks_;
    return D3D_OK;
}

bool BufferBytes::Uploaded() const {
    return !changed_ && name_ != 0 && generation_ == context_->Generation();
}

void BufferBytes::Bind(GLenum target) {
    GlSeam* gl = &context_->Gl();
    if (name_ == 0 || generation_ != context_->Generation()) {
        GL_CALL(gl, glGenBuffers)(1, &name_);
        generation_ = context_->Generation();
        changed_ = true;
    }
    gl->BindBuffer(target, name_);
    if (changed_) {
        GL_CALL(gl, glBufferData)
        (target, (GLsizeiptr)bytes_.size(), bytes_.data(), GL_STATIC_DRAW);
        changed_ = false;
    }
}
