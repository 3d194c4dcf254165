#include "present_quad.h"

#include "../../d3d9/pipeline/glsl_program.h"

namespace {

// Clip-space x and y, then texture s and t, of two triangles over the whole viewport, in the
// order of a fan round its corners (top left, bottom left, bottom right, top right), which
// llvmpipe takes as one rectangle and, with the texels one to one, as a copy. The texture is the
// right way up, as the window is: t = 0 at the bottom (y = -1).
const GLfloat CORNERS[] = {
    -1.0f, 1.0f, 0.0f, 1.0f, -1.0f, -1.0f, 0.0f, 0.0f, 1.0f, -1.0f, 1.0f, 0.0f,
    -1.0f, 1.0f, 0.0f, 1.0f, 1.0f,  -1.0f, 1.0f, 0.0f, 1.0f, 1.0f,  1.0f, 1.0f,
};

const char VERTEX_SHADER[] = R"glsl(
attribute vec4 a_corner;
varying vec2 v_texCoord;

void main() {
    gl_Position = vec4(a_corner.xy, 0.0, 1.0);
    v_texCoord = a_corner.zw;
}
)glsl";

const char FRAGMENT_SHADER[] = R"glsl(
uniform sampler2D u_backBuffer;
varying vec2 v_texCoord;

void main() {
    gl_FragColor = texture2D(u_backBuffer, v_texCoord);
}
)glsl";

} // namespace

bool PresentQuad::Draw(const RenderTarget& backBuffer, int windowWidth, int windowHeight,
                       unsigned generation, GlSeam* gl) {
    if (generation != generation_) {
        program_ = corners_ = 0;
        failed_ = false;
        generation_ = generation;
    }
    if (program_ == 0 && !failed_) {
        // The corners take the position's attribute, which every draw has an array for.
        program_ = BuildProgram(gl, "", VERTEX_SHADER, FRAGMENT_SHADER, {"a_corner"});
        failed_ = program_ == 0;
        if (!failed_) {
            GL_CALL(gl, glGenBuffers)(1, &corners_);
            gl->BindBuffer(GL_ARRAY_BUFFER, corners_);
            GL_CALL(gl, glBufferData)(GL_ARRAY_BUFFER, sizeof(CORNERS), CORNERS, GL_STATIC_DRAW);
        }
    }
    if (failed_) {
        return false;
    }
    gl->BindFramebuffer(0);
    gl->Viewport(windowWidth, windowHeight);
    const bool sameSize =
        windowWidth == (int)backBuffer.Width() && windowHeight == (int)backBuffer.Height();
    const GLint filter = sameSize ? GL_NEAREST : GL_LINEAR;
    gl->BindTexture(backBuffer.ColourTexture());
    gl->TexParameter(GL_TEXTURE_MIN_FILTER, filter);
    gl->TexParameter(GL_TEXTURE_MAG_FILTER, filter);
    gl->Enable(GlCapability::DEPTH_TEST, false);
    gl->Enable(GlCapability::CULL_FACE, false);
    gl->Enable(GlCapability::DITHER, false);
    gl->UseProgram(program_);
    gl->BindBuffer(GL_ARRAY_BUFFER, corners_);
    gl->EnableAttributeArray(ATTRIBUTE_POSITION, true);
    gl->AttributePointer(ATTRIBUTE_POSITION, 4, 0, 0);
    gl->EnableAttributeArray(ATTRIBUTE_NORMAL, false);
    gl->EnableAttributeArray(ATTRIBUTE_TEX_COORD, false);
    GL_CALL(gl, glDrawArrays)(GL_TRIANGLES, 0, 6);
    gl->BindFramebuffer(backBuffer.Framebuffer());
    gl->Viewport((GLsizei)backBuffer.Width(), (GLsizei)backBuffer.Height());
    return true;
}
