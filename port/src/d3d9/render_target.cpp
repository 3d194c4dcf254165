#include "render_target.h"

#include <cstring>
#include <utility>
#include <vector>

bool RenderTarget::Create(UINT width, UINT height, bool withDepth, GLenum colourFormat,
                          bool inWindow, GlSeam* gl) {
    Destroy(gl);
    width_ = width;
    height_ = height;
    withDepth_ = withDepth;
    colourFormat_ = colourFormat;
    return BindForDrawing(inWindow, gl);
}

bool RenderTarget::MoveInOrOut(bool inWindow, GlSeam* gl) {
    const bool there = inWindow ? inWindow_ : framebuffer_ != 0;
    return there || BindForDrawing(inWindow, gl);
}

bool RenderTarget::BindForDrawing(bool inWindow, GlSeam* gl) {
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

bool RenderTarget::MakeFramebuffer(GlSeam* gl) {
    GL_CALL(gl, glGenFramebuffers)(1, &framebuffer_);
    gl->BindFramebuffer(framebuffer_);
    // The size is the window's, rarely a power of two: OpenGL ES 2.0 takes such a texture with
    // edge clamping and without mip levels.
    colour_ = gl->GenTexture();
    gl->BindTexture(colour_);
    gl->TexParameter(GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl->TexParameter(GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl->TexParameter(GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->TexParameter(GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    GL_CALL(gl, glTexImage2D)
    (GL_TEXTURE_2D, 0, GL_RGBA, (GLsizei)width_, (GLsizei)height_, 0, colourFormat_,
     GL_UNSIGNED_BYTE, nullptr);
    GL_CALL(gl, glFramebufferTexture2D)
    (GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    if (withDepth_) {
        GL_CALL(gl, glGenRenderbuffers)(1, &depth_);
        gl->BindRenderbuffer(depth_);
        GL_CALL(gl, glRenderbufferStorage)
        (GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, (GLsizei)width_, (GLsizei)height_);
        GL_CALL(gl, glFramebufferRenderbuffer)
        (GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    }
    if (GL_CALL(gl, glCheckFramebufferStatus)(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        DestroyFramebuffer(gl);
        return false;
    }
    return true;
}

void RenderTarget::Destroy(GlSeam* gl) {
    DestroyFramebuffer(gl);
}

void RenderTarget::DestroyFramebuffer(GlSeam* gl) {
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

void RenderTarget::DropLostObjects() {
    framebuffer_ = colour_ = depth_ = 0;
}

void RenderTarget::Read(BYTE* pixels, GlSeam* gl, GLenum format) const {
    // llvmpipe may otherwise hand back a frame that is still being drawn.
    GL_CALL(gl, glFinish)();
    gl->PackAlignment(4);
    GL_CALL(gl, glReadPixels)
    (0, 0, (GLsizei)width_, (GLsizei)height_, format, GL_UNSIGNED_BYTE, pixels);
    // GL hands the rows bottom first: turn them over in place, a row at a time through a spare
    // one (a middle row is its own partner), and swap R and B where they came as R, G, B, A.
    const size_t rowBytes = (size_t)width_ * 4;
    std::vector<BYTE> spare(rowBytes);
    for (UINT y = 0; y < height_ / 2; ++y) {
        BYTE* top = pixels + (size_t)y * rowBytes;
        BYTE* bottom = pixels + (size_t)(height_ - 1 - y) * rowBytes;
        std::memcpy(spare.data(), top, rowBytes);
        std::memcpy(top, bottom, rowBytes);
        std::memcpy(bottom, spare.data(), rowBytes);
    }
    if (format == GL_RGBA) {
        for (size_t i = 0; i < rowBytes * height_; i += 4) {
            std::swap(pixels[i], pixels[i + 2]);
        }
    }
}
