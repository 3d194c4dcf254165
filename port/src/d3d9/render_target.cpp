#include "render_target.h"

#include <vector>

bool RenderTarget::Create(UINT width, UINT height, bool withDepth, GLenum colourFormat,
                          GlStateCache* gl) {
    Destroy(gl);
    width_ = width;
    height_ = height;
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
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, (GLsizei)width, (GLsizei)height, 0, colourFormat,
                 GL_UNSIGNED_BYTE, nullptr);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    if (withDepth) {
        glGenRenderbuffers(1, &depth_);
        gl->BindRenderbuffer(depth_);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, (GLsizei)width,
                              (GLsizei)height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    }
    gl->Viewport((GLsizei)width, (GLsizei)height);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        Destroy(gl);
        return false;
    }
    return true;
}

void RenderTarget::Destroy(GlStateCache* gl) {
    presentQuad_.Destroy(gl);
    if (framebuffer_ == 0) {
        return;
    }
    gl->DeleteFramebuffer(framebuffer_);
    gl->DeleteTexture(colour_);
    if (depth_ != 0) {
        gl->DeleteRenderbuffer(depth_);
    }
    Forget();
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

void RenderTarget::Read(BYTE* pixels, UINT pitch, GlStateCache* gl) const {
    // llvmpipe may otherwise hand back a frame that is still being drawn.
    glFinish();
    std::vector<BYTE> rgba((size_t)width_ * height_ * 4);
    gl->PixelStore(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, (GLsizei)width_, (GLsizei)height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (UINT y = 0; y < height_; ++y) {
        const BYTE* from = rgba.data() + (size_t)y * width_ * 4;
        BYTE* to = pixels + (size_t)y * pitch;
        for (UINT x = 0; x < width_; ++x) {
            to[x * 4 + 0] = from[x * 4 + 2];
            to[x * 4 + 1] = from[x * 4 + 1];
            to[x * 4 + 2] = from[x * 4 + 0];
            to[x * 4 + 3] = from[x * 4 + 3];
        }
    }
}
