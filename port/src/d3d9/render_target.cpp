#include "render_target.h"

#include <cstring>

bool RenderTarget::Create(UINT width, UINT height, bool withDepth, GLenum colourFormat,
                          bool inWindow, GlStateCache* gl) {
    Destroy(gl);
    width_ = width;
    height_ = height;
    withDepth_ = withDepth;
    colourFormat_ = colourFormat;
    return Enter(inWindow, gl);
}

bool RenderTarget::Place(bool inWindow, GlStateCache* gl) {
    const bool placed = inWindow ? inWindow_ : framebuffer_ != 0;
    return placed || Enter(inWindow, gl);
}

bool RenderTarget::Enter(bool inWindow, GlStateCache* gl) {
    inWindow_ = inWindow;
    if (inWindow) {
        DestroyFramebuffer(gl);
        gl->BindFramebuffer(0);
    } else if (!MakeFramebuffer(gl)) {
        return false;
    }
    gl->Viewport((GLsizei)width_, (GLsizei)height_);
    return true;
}

bool RenderTarget::MakeFramebuffer(GlStateCache* gl) {
    glGenFramebuffers(1, &framebuffer_);
    gl->BindFramebuffer(framebuffer_);
    // The size is the window's, rarely a power of two: OpenGL ES 2.0 takes such a texture with
    // edge clamping and without mip levels.
    glGenTextures(1, &colour_);
    gl->BindTexture(colour_);
    colourFilter_ = GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, colourFilter_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, colourFilter_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, (GLsizei)width_, (GLsizei)height_, 0, colourFormat_,
                 GL_UNSIGNED_BYTE, nullptr);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    if (withDepth_) {
        glGenRenderbuffers(1, &depth_);
        gl->BindRenderbuffer(depth_);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, (GLsizei)width_,
                              (GLsizei)height_);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    }
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        DestroyFramebuffer(gl);
        return false;
    }
    return true;
}

void RenderTarget::Destroy(GlStateCache* gl) {
    presentQuad_.Destroy(gl);
    DestroyFramebuffer(gl);
}

void RenderTarget::DestroyFramebuffer(GlStateCache* gl) {
    if (framebuffer_ == 0) {
        return;
    }
    gl->DeleteFramebuffer(framebuffer_);
    gl->DeleteTexture(colour_);
    if (depth_ != 0) {
        gl->DeleteRenderbuffer(depth_);
    }
    framebuffer_ = colour_ = depth_ = 0;
}

void RenderTarget::Forget() {
    presentQuad_.Forget();
    framebuffer_ = colour_ = depth_ = 0;
}

bool RenderTarget::DrawToWindow(int windowWidth, int windowHeight, GlStateCache* gl) {
    gl->BindFramebuffer(0);
    gl->Viewport(windowWidth, windowHeight);
    const bool sameSize = windowWidth == (int)width_ && windowHeight == (int)height_;
    const GLint filter = sameSize ? GL_NEAREST : GL_LINEAR;
    gl->BindTexture(colour_);
    if (filter != colourFilter_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        colourFilter_ = filter;
    }
    const bool drawn = presentQuad_.Draw(gl);
    gl->BindFramebuffer(framebuffer_);
    gl->Viewport((GLsizei)width_, (GLsizei)height_);
    return drawn;
}

void RenderTarget::Read(BYTE* pixels, GlStateCache* gl) const {
    // llvmpipe may otherwise hand back a frame that is still being drawn.
    glFinish();
    gl->PixelStore(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, (GLsizei)width_, (GLsizei)height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    // GL hands the rows bottom first, each pixel R, G, B, A: turn the rows over, swapping R and B,
    // in place. A middle row is its own partner.
    const size_t rowBytes = (size_t)width_ * 4;
    for (UINT y = 0; y < (height_ + 1) / 2; ++y) {
        BYTE* top = pixels + (size_t)y * rowBytes;
        BYTE* bottom = pixels + (size_t)(height_ - 1 - y) * rowBytes;
        for (size_t x = 0; x < rowBytes; x += 4) {
            const BYTE fromTop[4] = {top[x + 2], top[x + 1], top[x], top[x + 3]};
            const BYTE fromBottom[4] = {bottom[x + 2], bottom[x + 1], bottom[x], bottom[x + 3]};
            std::memcpy(top + x, fromBottom, 4);
            std::memcpy(bottom + x, fromTop, 4);
        }
    }
}
