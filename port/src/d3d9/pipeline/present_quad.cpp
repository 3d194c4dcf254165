#include "present_quad.h"

#include "glsl_program.h"
#include "shader_sources.h"

namespace {

// Clip-space x and y, then texture s and t, of two triangles over the whole viewport, in the
// order of a fan round its corners (top left, bottom left, bottom right, top right), which
// llvmpipe takes as one rectangle and, with the texels one to one, as a copy. Texture row 0 holds
// the picture's top row, so t = 0 goes at the top (y = 1).
const GLfloat CORNERS[] = {
    -1.0f, 1.0f, 0.0f, 0.0f, -1.0f, -1.0f, 0.0f, 1.0f, 1.0f, -1.0f, 1.0f, 1.0f,
    -1.0f, 1.0f, 0.0f, 0.0f, 1.0f,  -1.0f, 1.0f, 1.0f, 1.0f, 1.0f,  1.0f, 0.0f,
};

} // namespace

bool PresentQuad::Draw(GLuint texture) {
    if (program_ == 0 && !failed_) {
        program_ = BuildProgram("", PRESENT_VERTEX_SHADER, PRESENT_FRAGMENT_SHADER);
        failed_ = program_ == 0;
        glGenBuffers(1, &corners_);
        glBindBuffer(GL_ARRAY_BUFFER, corners_);
        glBufferData(GL_ARRAY_BUFFER, sizeof(CORNERS), CORNERS, GL_STATIC_DRAW);
    }
    if (failed_) {
        return false;
    }
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DITHER);
    glUseProgram(program_);
    glBindBuffer(GL_ARRAY_BUFFER, corners_);
    glVertexAttribPointer(ATTRIBUTE_POSITION, 4, GL_FLOAT, GL_FALSE, 0, nullptr);
    glDisableVertexAttribArray(ATTRIBUTE_NORMAL);
    glDisableVertexAttribArray(ATTRIBUTE_TEX_COORD);
    glBindTexture(GL_TEXTURE_2D, texture);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    return true;
}

void PresentQuad::Destroy() {
    if (program_ != 0) {
        glDeleteProgram(program_);
    }
    if (corners_ != 0) {
        glDeleteBuffers(1, &corners_);
    }
    Forget();
}

void PresentQuad::Forget() {
    program_ = 0;
    corners_ = 0;
    failed_ = false;
}
