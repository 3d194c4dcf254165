#include "present_quad.h"

#include "glsl_program.h"
#include "shader_sources.h"

namespace {

// Clip-space x and y, then texture s and t, of two triangles over the whole viewport, in the
// order of a fan round its corners (top left, bottom left, bottom right, top right), which
// llvmpipe takes as one rectangle and, with the texels one to one, as a copy. The texture is the
// right way up, as the window is: t = 0 at the bottom (y = -1).
const GLfloat CORNERS[] = {
    -1.0f, 1.0f, 0.0f, 1.0f, -1.0f, -1.0f, 0.0f, 0.0f, 1.0f, -1.0f, 1.0f, 0.0f,
    -1.0f, 1.0f, 0.0f, 1.0f, 1.0f,  -1.0f, 1.0f, 0.0f, 1.0f, 1.0f,  1.0f, 1.0f,
};

} // namespace

bool PresentQuad::Draw(GlStateCache* gl) {
    if (program_ == 0 && !failed_) {
        // The corners take the position's attribute, which every draw has an array for.
        program_ = BuildProgram("", PRESENT_VERTEX_SHADER, PRESENT_FRAGMENT_SHADER, {"a_corner"});
        failed_ = program_ == 0;
        if (!failed_) {
            glGenBuffers(1, &corners_);
            gl->BindBuffer(GL_ARRAY_BUFFER, corners_);
            glBufferData(GL_ARRAY_BUFFER, sizeof(CORNERS), CORNERS, GL_STATIC_DRAW);
        }
    }
    if (failed_) {
        return false;
    }
    gl->Enable(GL_DEPTH_TEST, false);
    gl->Enable(GL_CULL_FACE, false);
    gl->Enable(GL_DITHER, false);
    gl->UseProgram(program_);
    gl->BindBuffer(GL_ARRAY_BUFFER, corners_);
    gl->EnableAttributeArray(ATTRIBUTE_POSITION, true);
    gl->AttributePointer(ATTRIBUTE_POSITION, 4, 0, 0);
    gl->EnableAttributeArray(ATTRIBUTE_NORMAL, false);
    gl->EnableAttributeArray(ATTRIBUTE_TEX_COORD, false);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    return true;
}

void PresentQuad::Destroy(GlStateCache* gl) {
    if (program_ != 0) {
        gl->DeleteProgram(program_);
    }
    if (corners_ != 0) {
        gl->DeleteBuffer(corners_);
    }
    Forget();
}

void PresentQuad::Forget() {
    program_ = 0;
    corners_ = 0;
    failed_ = false;
}
