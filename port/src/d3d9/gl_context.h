// The Direct3D stand-in's seam to the host it runs on: the GL context on the device window and
// presenting what was drawn there. The device and everything it makes draw with OpenGL ES 2.0
// alone (gles2.h), every call through the context's GL seam (gl_seam.h); what differs per host sits
// behind this one interface, with one implementation per host: hosts/desktop/ (OpenGL 2.1 through
// SDL2), hosts/web/ (WebGL 1).
//
// A lost context has lost every GL object. While it is lost the device is lost; once the host has
// a context again, its generation has grown, and the device's Reset makes every GL object anew
// (buffers and managed textures refill themselves from their copies in system memory).
#pragma once

#include "gl_seam.h"
#include "gles2.h"

#include <d3d9.h>

#include <memory>

class RenderTarget;

class GlContext {
  public:
    virtual ~GlContext() = default;

    // Asks the window's own framebuffer for the bits of its depth buffer, once, while the context
    // is current with that framebuffer bound: the host does so as it makes the context.
    void MeasureWindowDepth() { GL_CALL(&gl_, glGetIntegerv)(GL_DEPTH_BITS, &windowDepthBits_); }

    // The window the context draws on.
    virtual HWND Window() const = 0;

    // Makes the context current on its window. False when it cannot draw there: the window has
    // been destroyed, or the context is lost.
    virtual bool MakeCurrent() = 0;

    // The pixel format of the data glTexImage2D takes for the stand-in's textures: GL_RGBA, the
    // only one OpenGL ES 2.0 and WebGL 1 take, or GL_BGRA_EXT where the host's OpenGL takes
    // Direct3D's B, G, R, A bytes as they are, for any internal format. The back buffer's colour
    // texture is made with it too, for presenting to copy it to the window fastest, and the back
    // buffer is read back in it, so that GL converts no pixel.
    virtual GLenum TexelFormat() const { return GL_RGBA; }

    // The size in pixels of the window's own framebuffer now.
    virtual void WindowSize(int* width, int* height) = 0;

    // True when the window's own framebuffer can hold a back buffer of this size now: it has that
    // size, and a depth buffer of at least Direct3D's 16 bits when one is asked for. The back
    // buffer may then live there and presenting copies nothing.
    bool WindowFits(UINT width, UINT height, bool withDepth) {
        int windowWidth = 0;
        int windowHeight = 0;
        WindowSize(&windowWidth, &windowHeight);
        return (UINT)windowWidth == width && (UINT)windowHeight == height &&
               (!withDepth || windowDepthBits_ >= 16);
    }

    // Shows the back buffer in the window: stretched over the whole client area at its size now
    // unless it is the window's own framebuffer, then presented, waiting for the next display
    // refresh with swap interval 1 and not with 0. The back buffer is bound for drawing again
    // afterwards. False, with nothing shown, when the back buffer cannot be drawn there. The
    // context must be current.
    virtual bool Present(RenderTarget* backBuffer) = 0;

    // Asks for swap interval 1 (wait for the refresh) or 0 (do not); returns what the host
    // granted.
    virtual int SetSwapInterval(int interval) = 0;

    // True while the context is lost. A desktop context is never lost.
    virtual bool ContextLost() = 0;

    // Counts the contexts the host has had on the window: it grows when a lost context comes back,
    // since every GL object made in an earlier generation is gone.
    virtual unsigned Generation() const = 0;

    // For tests of what a lost context takes away: a new context, with none of the old one's GL
    // objects, in place of the old one, and a new generation. False where the host cannot make
    // one (the browser takes contexts away and gives them back itself).
    virtual bool Replace() { return false; }

    // The one way to call GL in this context.
    GlSeam& Gl() { return gl_; }

  private:
    GlSeam gl_;
    // The bits of the window framebuffer's depth buffer, 0 when it has none.
    GLint windowDepthBits_ = 0;
};

// Makes the host's context on the window and makes it current; null with the reason when it
// cannot: D3DERR_INVALIDCALL when the handle names no live window, D3DERR_NOTAVAILABLE when the
// host cannot give what the stand-in draws with.
std::shared_ptr<GlContext> CreateGlContext(HWND window, HRESULT* failure);
