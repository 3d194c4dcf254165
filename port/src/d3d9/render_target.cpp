#include "render_target.h"

bool RenderTarget::Create(UINT width, UINT height, bool withDepth) {
    Destroy();
    width_ = width;
    height_ = height;
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    // An unsized format with BGRA data lets Mesa pick the B8G8R8A8 layout of its window
    // buffers, so that presenting is a copy rather than a draw.
    glGenTextures(1, &colour_);
    glBindTexture(GL_TEXTURE_2D, colour_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, (GLsizei)width, (GLsizei)height, 0, GL_BGRA,
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
    glBlitFramebuffer(0, (GLint)height_, (GLint)width_, 0, 0, 0, windowWidth, windowHeight,
                      GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
}

void RenderTarget::Read(BYTE* pixels, UINT pitch) const {
    // llvmpipe may otherwise hand back a frame that is still being drawn.
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, (GLint)(pitch / 4));
    glReadPixels(0, 0, (GLsizei)width_, (GLsizei)height_, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
}
