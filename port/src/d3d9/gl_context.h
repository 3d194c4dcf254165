// The OpenGL context of one device, made on the SDL window behind the device window. Shared by
// the device and every resource it creates, so that a resource released after its device can
// still delete its GL objects, and nothing is deleted in the wrong context.
#pragma once

#include "gl.h"

#include <SDL.h>
#include <d3d9.h>

#include <memory>

class GlContext {
  public:
    // A context on the window, or null with the reason: D3DERR_INVALIDCALL when the handle names
    // no live window, D3DERR_NOTAVAILABLE when the host cannot give OpenGL 2.1 with framebuffer
    // objects.
    static std::shared_ptr<GlContext> Create(HWND window, HRESULT* failure);

    GlContext(HWND window, SDL_Window* host, SDL_GLContext context);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    // Makes the context current on its window. False when the window has been destroyed: the
    // context can no longer draw or present.
    bool MakeCurrent();

    HWND Window() const { return window_; }
    // The size of the window's client area in pixels, as presenting sees it.
    void DrawableSize(int* width, int* height) const;
    void Swap();
    // Asks for a swap interval and returns the one the host granted.
    int SetSwapInterval(int interval);
    // The largest texture side the context takes, at most 8192 as Direct3D 9 hardware reports.
    UINT MaxTextureSize() const { return maxTextureSize_; }

  private:
    HWND window_;
    SDL_Window* host_;
    SDL_GLContext context_;
    UINT maxTextureSize_ = 0;
};
