// The seam between the Direct3D stand-in and the host it runs on. The device and everything it
// makes draw with OpenGL ES 2.0 alone (gles2.h); what differs per host sits behind this one
// interface: the context on the device window, the framebuffer that is the window, showing it,
// and telling a lost context. Each host has one implementation: sdl/ on the desktop (OpenGL 2.1
// through SDL2); a web host (WebGL 1) implements the same.
//
// A lost context has lost every GL object. While it is lost the device is lost; once the host has
// a context again, its generation has grown, and the device's Reset makes every GL object anew
// (buffers and managed textures refill themselves from their copies in system memory).
#pragma once

#include "gles2.h"

#include <d3d9.h>

#include <memory>

class Host {
  public:
    virtual ~Host() = default;

    // The window the context draws on.
    virtual HWND Window() const = 0;

    // Makes the context current on its window. False when it cannot draw there: the window has
    // been destroyed, or the context is lost.
    virtual bool MakeCurrent() = 0;

    // The framebuffer that is the window's client area (0 on the SDL and web hosts), and its size
    // in pixels now.
    virtual GLuint WindowFramebuffer() const = 0;
    virtual void WindowSize(int* width, int* height) const = 0;

    // The pixel format (glTexImage2D's format, with internal format GL_RGBA) that the back
    // buffer's colour texture is made with, for presenting to copy it to the window fastest:
    // GL_RGBA, the only one OpenGL ES 2.0 and WebGL 1 take, unless the host's windows store
    // their pixels otherwise.
    virtual GLenum BackBufferFormat() const { return GL_RGBA; }

    // Copies the given framebuffer, of the given size and holding Direct3D's top row in its row 0,
    // over the whole window framebuffer, stretched, and binds the given framebuffer for drawing
    // again. False, having done nothing, where the host has no copy cheaper than drawing the
    // framebuffer's texture as a quad: the device then draws the quad (OpenGL ES 2.0 and WebGL 1
    // have no framebuffer blit).
    virtual bool CopyToWindow(GLuint, int, int) { return false; }

    // Shows what was drawn into the window framebuffer. With swap interval 1 it waits for the next
    // display refresh; with 0 it does not.
    virtual void Present() = 0;

    // Asks for swap interval 1 (wait for the refresh) or 0 (do not); returns what the host
    // granted.
    virtual int SetSwapInterval(int interval) = 0;

    // True while the context is lost. A desktop context is never lost.
    virtual bool ContextLost() = 0;

    // Counts the contexts the host has had on the window: it grows when a lost context comes back,
    // since every GL object made in an earlier generation is gone.
    virtual unsigned Generation() const = 0;
};

// Makes the host's context on the window and makes it current; null with the reason when it
// cannot: D3DERR_INVALIDCALL when the handle names no live window, D3DERR_NOTAVAILABLE when the
// host cannot give what the stand-in draws with.
std::shared_ptr<Host> CreateHost(HWND window, HRESULT* failure);
