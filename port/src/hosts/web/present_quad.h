// Presenting where there is no blit between framebuffers (WebGL 1): the back buffer's colour
// texture drawn as a quad over the whole window framebuffer, with nothing but OpenGL ES 2.0.
#pragma once

#include "../../d3d9/gl_seam.h"
#include "../../d3d9/render_target.h"

class PresentQuad {
  public:
    // Draws the back buffer's own framebuffer over the window's framebuffer of the given size,
    // its row 0 at the bottom, with depth test, culling and dithering off, then binds the back
    // buffer for drawing again. The program and the corners are made at the first draw of each
    // generation of the context (a lost context took the earlier ones). False when the program
    // does not build.
    bool Draw(const RenderTarget& backBuffer, int windowWidth, int windowHeight,
              unsigned generation, GlSeam* gl);

  private:
    GLuint program_ = 0;
    GLuint corners_ = 0;
    bool failed_ = false;
    unsigned generation_ = 0;
};
