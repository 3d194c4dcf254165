// The back buffer. It lives in the window's own framebuffer while the window has its size, so
// that presenting is the window's swap alone; otherwise (the window resized, or a host that shows
// the canvas another way) in a framebuffer object of its own with an RGBA colour texture, which
// presenting stretches over the window (gl_context.h). Either has a 16-bit or deeper depth
// buffer when the device has an automatic one. It keeps the size it was made with.
//
// The picture is kept the way OpenGL keeps a window's, Direct3D's top row in the last GL row, so
// that the two places hold it alike and a move between them changes nothing else; a read hands
// back rows in Direct3D's order.
#pragma once

#include "gl_seam.h"

#include <d3d9.h>

class RenderTarget {
  public:
    // Makes the back buffer in the current context, replacing any earlier one: in the window
    // when inWindow, else in a framebuffer object whose colour texture has the given pixel format
    // (GlContext::TexelFormat). Leaves it bound for drawing. False when OpenGL cannot make a
    // complete framebuffer.
    bool Create(UINT width, UINT height, bool withDepth, GLenum colourFormat, bool inWindow,
                GlSeam* gl);
    // Moves the back buffer into the window or out of it, between frames, since what it held may
    // go at Present; binds its texture when it makes a framebuffer. False when OpenGL cannot make
    // a complete framebuffer.
    bool MoveInOrOut(bool inWindow, GlSeam* gl);
    // Deletes the GL objects; the context must be current.
    void Destroy(GlSeam* gl);
    // Drops the GL objects of a lost context, whose names died with it.
    void DropLostObjects();

    // Waits for drawing to finish and copies the pixels as Direct3D lays out an X8R8G8B8
    // surface: B, G, R, X bytes, top row first, rows packed (4 x width bytes). format is how the
    // context hands texels over at no cost: GL_BGRA_EXT, which is the surface's order, or GL_RGBA.
    void Read(BYTE* pixels, GlSeam* gl, GLenum format) const;

    bool InWindow() const { return inWindow_; }
    // The framebuffer drawn to: 0, the window's, while the back buffer is in the window.
    GLuint Framebuffer() const { return framebuffer_; }
    // The colour texture of the back buffer's own framebuffer; 0 while it is in the window.
    GLuint ColourTexture() const { return colour_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }

  private:
    // Binds the window's framebuffer, or makes the back buffer's own and binds it, and sets the
    // viewport over it. False when OpenGL cannot make a complete framebuffer.
    bool BindForDrawing(bool inWindow, GlSeam* gl);
    // Makes the framebuffer object and its buffers and binds it. False when it is incomplete.
    bool MakeFramebuffer(GlSeam* gl);
    // Deletes the framebuffer object and its buffers, if there are any.
    void DestroyFramebuffer(GlSeam* gl);

    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depth_ = 0;
    GLenum colourFormat_ = 0;
    UINT width_ = 0;
    UINT height_ = 0;
    bool withDepth_ = false;
    bool inWindow_ = false;
};
