// The back buffer: a framebuffer object with an 8-bit colour texture and, when the device has an
// automatic depth buffer, a 16-bit depth renderbuffer. It keeps the size it was made with;
// presenting stretches it over the window.
//
// The picture is kept upside down, Direct3D's top row in GL's row 0 (the projection flips y,
// apply_state.cpp). Presenting then flips it back within the blit, which llvmpipe turns into a
// plain copy, as its window buffers are stored top row first; and a read hands back rows in
// Direct3D's order as they are.
#pragma once

#include "gl.h"

class RenderTarget {
  public:
    // Makes the buffers in the current context, replacing any earlier ones, and leaves the
    // framebuffer bound for drawing. False when OpenGL cannot make a complete framebuffer.
    bool Create(UINT width, UINT height, bool withDepth);
    // Deletes the GL objects; the context must be current.
    void Destroy();

    // Copies the back buffer over the window's client area of the given size and leaves the
    // framebuffer bound for drawing again.
    void BlitToWindow(int windowWidth, int windowHeight) const;

    // Waits for drawing to finish and copies the pixels as Direct3D lays out an X8R8G8B8
    // surface: B, G, R, X bytes, top row first, rows pitch bytes apart (a multiple of 4).
    void Read(BYTE* pixels, UINT pitch) const;

    UINT Width() const { return width_; }
    UINT Height() const { return height_; }

  private:
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depth_ = 0;
    UINT width_ = 0;
    UINT height_ = 0;
};
