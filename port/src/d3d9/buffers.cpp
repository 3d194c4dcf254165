#include "buffers.h"

BufferBytes::BufferBytes(std::shared_ptr<Host> host, UINT length)
    : host_(std::move(host)), bytes_(length) {}

BufferBytes::~BufferBytes() {
    if (name_ != 0 && generation_ == host_->Generation() && host_->MakeCurrent()) {
        glDeleteBuffers(1, &name_);
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

void BufferBytes::Bind(GLenum target) {
    if (name_ == 0 || generation_ != host_->Generation()) {
        glGenBuffers(1, &name_);
        generation_ = host_->Generation();
        changed_ = true;
    }
    glBindBuffer(target, name_);
    if (changed_) {
        glBufferData(target, (GLsizeiptr)bytes_.size(), bytes_.data(), GL_STATIC_DRAW);
        changed_ = false;
    }
}
