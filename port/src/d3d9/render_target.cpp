#include "render_target.h"

#include <cstring>
#include <vector>

bool RenderTarget::Create(UINT width, UINT height, bool withDepth) {
    Destroy();
    width_ = width;
    height_ = height;
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glGenTextures(1, &colour_);
    glBindTexture(GL_TEXTURE_2D, colour_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, (GLsizei)width, (GLsizei)height, 0, GL_BGRA,
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
    if (framebuffer_ == 0) {
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteTextures(1, &colour_);
    if (depth_ != 0) {
        glDeleteRenderbuffers(1, &depth_);
    }
    framebuffer_ = colour_ = depth_ = 0;
}

void RenderTarget::BlitToWindow(int windowWidth, int windowHeight) const {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    const bool sameSize = windowWidth == (int)width_ && windowHeight == (int)height_;
    glBlitFramebuffer(0, 0, (GLint)width_, (GLint)height_, 0, 0, windowWidth, windowHeight,
                      GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
}

void RenderTarget::Read(BYTE* pixels, UINT pitch) const {
    // llvmpipe may otherwise hand back a frame that is still being drawn.
    glFinish();
    const UINT rowBytes = width_ * 4;
    std::vector<BYTE> bottomRowFirst((size_t)rowBytes * height_);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, (GLsizei)width_, (GLsizei)height_, GL_BGRA, GL_UNSIGNED_BYTE,
                 bottomRowFirst.data());
    for (UINT row = 0; row < height_; ++row) {
        const BYTE* source = bottomRowFirst.data() + (size_t)(height_ - 1 - row) * rowBytes;
        std::memcpy(pixels + (size_t)row * pitch, source, rowBytes);
    }
}
