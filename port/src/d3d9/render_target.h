// The back buffer: a framebuffer object with an RGBA colour texture and, when the device has an
// automatic depth buffer, a 16-bit depth renderbuffer. It keeps the size it was made with;
// presenting stretches it over the window (gl_context.h).
//
// The picture is kept upside down, Direct3D's top row in GL's row 0 (the projection flips y,
// pipeline/fixed_function_uniforms.h). Presenting puts row 0 at the top of the window, and a
// read hands back rows in Direct3D's order as they are.
#pragma once

#include "gl_state_cache.h"
#include "pipeline/present_quad.h"

#include <d3d9.h>

class RenderTarget {
  public:
    // Makes the buffers in the current context, replacing any earlier ones, the colour texture
    // with the given pixel format (GlContext::BackBufferFormat), and leaves the framebuffer bound
    // for drawing. False when OpenGL cannot make a complete framebuffer.
    bool Create(UINT width, UINT height, bool withDepth, GLenum colourFormat, GlStateCache* gl);
    // Deletes the GL objects; the context must be current.
    void Destroy(GlStateCache* gl);
    // Drops the GL objects of a lost context, whose names died with it.
    void Forget();

    // Draws the back buffer as a textured quad over the window's framebuffer, of the given size,
    // then binds the back buffer for drawing again: presenting where there is no blit. False
    // when the present program does not build.
    bool DrawToWindow(int windowWidth, int windowHeight, GlStateCache* gl);

    // Waits for drawing to finish and copies the pixels as Direct3D lays out an X8R8G8B8
    // surface: B, G, R, X bytes, top row first, rows pitch bytes apart (at least 4 x width).
    void Read(BYTE* pixels, UINT pitch, GlStateCache* gl) const;

    GLuint Framebuffer() const { return framebuffer_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }

  private:
    PresentQuad presentQuad_;
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depth_ = 0;
    GLint colourFilter_ = 0;
    UINT width_ = 0;
    UINT height_ = 0;
};
