// Drawing the back buffer's colour texture over the whole window framebuffer: how Present shows a
// frame with nothing but OpenGL ES 2.0, where there is no blit between framebuffers.
#pragma once

#include "../gl_state_cache.h"
#include "../gles2.h"

class PresentQuad {
  public:
    // Draws the texture bound now, its row 0 at the bottom, stretched over the viewport of the
    // framebuffer bound now, with depth test, culling and dithering off. False when its program
    // does not build.
    bool Draw(GlStateCache* gl);

    // Deletes the program and the buffer; the context must be current.
    void Destroy(GlStateCache* gl);
    // Drops them after a lost context, whose names died with it.
    void Forget();

  private:
    GLuint program_ = 0;
    GLuint corners_ = 0;
    bool failed_ = false;
};
