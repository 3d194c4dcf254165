#include "render_target.h"

#include <vector>

bool RenderTarget::Create(UINT width, UINT height, bool withDepth, GLenum colourFormat) {
    Destroy();
    width_ = width;
    height_ = height;
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    // The size is the window's, rarely a power of two: OpenGL ES 2.0 takes such a texture with
    // edge clamping and without mip levels.
    glGenTextures(1, &colour_);
    glBindTexture(GL_TEXTURE_2D, colour_);
    colourFilter_ = GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, colourFilter_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, colourFilter_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, (GLsizei)width, (GLsizei)height, 0, colourFormat,
                 GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    if (withDepth) {
        glGenRenderbuffers(1, &depth_);
        glBindRenderbuffer(GL_RENDERBUFFER, depth_);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, (GLsizei)width,
                              (GLsizei)height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    }
    glViewport(0, 0, (GLsizei)width, (GLsizei)height);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        Destroy();
        return false;
    }
    return true;
}

void RenderTarget::Destroy() {
    presentQuad_.Destroy();
    if (framebuffer_ == 0) {
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteTextures(1, &colour_);
    if (depth_ != 0) {
        glDeleteRenderbuffers(1, &depth_);
    }
    Forget();
}

void RenderTarget::Forget() {
    presentQuad_.Forget();
    framebuffer_ = colour_ = depth_ = 0;
}

bool RenderTarget::DrawToWindow(GLuint windowFramebuffer, int windowWidth, int windowHeight) {
    glBindFramebuffer(GL_FRAMEBUFFER, windowFramebuffer);
    glViewport(0, 0, windowWidth, windowHeight);
    const bool sameSize = windowWidth == (int)width_ && windowHeight == (int)height_;
    const GLint filter = sameSize ? GL_NEAREST : GL_LINEAR;
    glBindTexture(GL_TEXTURE_2D, colour_);
    if (filter != colourFilter_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        colourFilter_ = filter;
    }
    const bool drawn = presentQuad_.Draw(colour_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, (GLsizei)width_, (GLsizei)height_);
    return drawn;
}

void RenderTarget::Read(BYTE* pixels, UINT pitch) const {
    // llvmpipe may otherwise hand back a frame that is still being drawn.
    glFinish();
    std::vector<BYTE> rgba((size_t)width_ * height_ * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
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
