// The GL seam against a recording stand-in for OpenGL (no driver): which calls reach GL, which are
// dropped as repeats, and what the counts say.
#include "../../port/src/d3d9/gl_seam.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// The names of the GL functions called, in order.
std::vector<std::string> g_called;

void Called(const char* name) {
    g_called.push_back(name);
}

} // namespace

// The GL functions the seam calls itself, recording their names.
// clang-format off
extern "C" {
void GL_APIENTRY glUseProgram(GLuint) { Called("glUseProgram"); }
void GL_APIENTRY glBindBuffer(GLenum, GLuint) { Called("glBindBuffer"); }
void GL_APIENTRY glBindTexture(GLenum, GLuint) { Called("glBindTexture"); }
void GL_APIENTRY glBindFramebuffer(GLenum, GLuint) { Called("glBindFramebuffer"); }
void GL_APIENTRY glBindRenderbuffer(GLenum, GLuint) { Called("glBindRenderbuffer"); }
void GL_APIENTRY glEnable(GLenum) { Called("glEnable"); }
void GL_APIENTRY glDisable(GLenum) { Called("glDisable"); }
void GL_APIENTRY glDepthFunc(GLenum) { Called("glDepthFunc"); }
void GL_APIENTRY glCullFace(GLenum) { Called("glCullFace"); }
void GL_APIENTRY glFrontFace(GLenum) { Called("glFrontFace"); }
void GL_APIENTRY glViewport(GLint, GLint, GLsizei, GLsizei) { Called("glViewport"); }
void GL_APIENTRY glClearColor(GLfloat, GLfloat, GLfloat, GLfloat) { Called("glClearColor"); }
void GL_APIENTRY glClearDepthf(GLfloat) { Called("glClearDepthf"); }
void GL_APIENTRY glPixelStorei(GLenum, GLint) { Called("glPixelStorei"); }
void GL_APIENTRY glEnableVertexAttribArray(GLuint) { Called("glEnableVertexAttribArray"); }
void GL_APIENTRY glDisableVertexAttribArray(GLuint) { Called("glDisableVertexAttribArray"); }
void GL_APIENTRY glVertexAttribPointer(GLuint, GLint, GLenum, GLboolean, GLsizei, const void*) {
    Called("glVertexAttribPointer");
}
void GL_APIENTRY glTexParameteri(GLenum, GLenum, GLint) { Called("glTexParameteri"); }
void GL_APIENTRY glUniform4fv(GLint, GLsizei, const GLfloat*) { Called("glUniform4fv"); }
void GL_APIENTRY glUniformMatrix4fv(GLint, GLsizei, GLboolean, const GLfloat*) {
    Called("glUniformMatrix4fv");
}
void GL_APIENTRY glGenTextures(GLsizei, GLuint* names) {
    static GLuint next = 1;
    names[0] = next++;
    Called("glGenTextures");
}
void GL_APIENTRY glLinkProgram(GLuint) { Called("glLinkProgram"); }
void GL_APIENTRY glDeleteProgram(GLuint) { Called("glDeleteProgram"); }
void GL_APIENTRY glDeleteBuffers(GLsizei, const GLuint*) { Called("glDeleteBuffers"); }
void GL_APIENTRY glDeleteTextures(GLsizei, const GLuint*) { Called("glDeleteTextures"); }
void GL_APIENTRY glDeleteFramebuffers(GLsizei, const GLuint*) { Called("glDeleteFramebuffers"); }
void GL_APIENTRY glDeleteRenderbuffers(GLsizei, const GLuint*) { Called("glDeleteRenderbuffers"); }
void GL_APIENTRY glFinish() { Called("glFinish"); }
}
// clang-format on

namespace {

const GLfloat ZEROS[16] = {};
const GLfloat ONES[16] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
const GLfloat TWOS[16] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};

// One kind of state call, made with one of two values (0 or 1), and the GL function it reaches.
struct StateCall {
    const char* function;
    std::function<void(GlSeam*, int)> call;
};

const std::vector<StateCall>& StateCalls() {
    static const std::vector<StateCall> calls = {
        {"glUseProgram", [](GlSeam* gl, int v) { gl->UseProgram(5 + v); }},
        {"glBindBuffer", [](GlSeam* gl, int v) { gl->BindBuffer(GL_ARRAY_BUFFER, 5 + v); }},
        {"glBindBuffer", [](GlSeam* gl, int v) { gl->BindBuffer(GL_ELEMENT_ARRAY_BUFFER, 5 + v); }},
        {"glBindTexture", [](GlSeam* gl, int v) { gl->BindTexture(5 + v); }},
        {"glBindFramebuffer", [](GlSeam* gl, int v) { gl->BindFramebuffer(5 + v); }},
        {"glBindRenderbuffer", [](GlSeam* gl, int v) { gl->BindRenderbuffer(5 + v); }},
        {"glEnable", [](GlSeam* gl, int v) { gl->Enable(GlCapability::CULL_FACE, v == 0); }},
        {"glDepthFunc", [](GlSeam* gl, int v) { gl->DepthFunc(v ? GL_LESS : GL_LEQUAL); }},
        {"glCullFace", [](GlSeam* gl, int v) { gl->CullFace(v ? GL_FRONT : GL_BACK); }},
        {"glFrontFace", [](GlSeam* gl, int v) { gl->FrontFace(v ? GL_CCW : GL_CW); }},
        {"glViewport", [](GlSeam* gl, int v) { gl->Viewport(640, 480 + v); }},
        {"glClearColor",
         [](GlSeam* gl, int v) {
             gl->ClearColor({0, 0, 1, (float)v});
         }},
        {"glClearDepthf", [](GlSeam* gl, int v) { gl->ClearDepth(v ? 0.5f : 1.0f); }},
        {"glPixelStorei", [](GlSeam* gl, int v) { gl->PackAlignment(v ? 1 : 4); }},
        {"glPixelStorei", [](GlSeam* gl, int v) { gl->UnpackAlignment(v ? 1 : 4); }},
        {"glEnableVertexAttribArray",
         [](GlSeam* gl, int v) { gl->EnableAttributeArray(2, v == 0); }},
        {"glVertexAttribPointer",
         [](GlSeam* gl, int v) { gl->AttributePointer(1, 3, 24, 12 * v); }},
        {"glUniformMatrix4fv",
         [](GlSeam* gl, int v) { gl->UniformMatrix4(3, 1, v ? TWOS : ONES); }},
    };
    return calls;
}

std::vector<std::string> TakeCalled() {
    std::vector<std::string> called;
    called.swap(g_called);
    return called;
}

} // namespace

// Each kind of state call reaches GL the first time, not when it sets the same value again, and
// again for another value; a new context (Invalidate) holds nothing the seam knew.
TEST(GlSeam, SendsAValueSetTwiceOnceAndForgetsEverythingWithTheContext) {
    for (const StateCall& state : StateCalls()) {
        SCOPED_TRACE(state.function);
        GlSeam gl;
        gl.UseProgram(9);
        gl.LinkProgram(9);
        TakeCalled();
        state.call(&gl, 0);
        state.call(&gl, 0);
        EXPECT_EQ(TakeCalled(), std::vector<std::string>{state.function});
        state.call(&gl, 1);
        EXPECT_EQ(TakeCalled().size(), 1u);
        gl.Invalidate();
        gl.UseProgram(9);
        TakeCalled();
        state.call(&gl, 1);
        EXPECT_EQ(TakeCalled().size(), 1u);
    }
}

// What GL itself starts with needs no call: a linked program's uniforms are zero, and a new
// texture filters magnification linearly and wraps. Deleting what is bound unbinds it, as in GL.
TEST(GlSeam, KnowsWhatGlStartsWithAndWhatDeletingTakes) {
    GlSeam gl;
    gl.UseProgram(7);
    gl.LinkProgram(7);
    gl.UniformMatrix4(0, 1, ZEROS);
    gl.Uniform4(1, 2, ZEROS);
    const GLuint texture = gl.GenTexture();
    gl.BindTexture(texture);
    gl.TexParameter(GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.TexParameter(GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl.TexParameter(GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_LINEAR);
    EXPECT_EQ(TakeCalled(), (std::vector<std::string>{"glUseProgram", "glLinkProgram",
                                                      "glGenTextures", "glBindTexture"}));

    // Uniforms belong to their program; filters to their texture.
    gl.UniformMatrix4(0, 1, ONES);
    gl.UseProgram(8);
    gl.UniformMatrix4(0, 1, ONES);
    gl.TexParameter(GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.BindTexture(gl.GenTexture());
    gl.TexParameter(GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    EXPECT_EQ(TakeCalled(),
              (std::vector<std::string>{"glUniformMatrix4fv", "glUseProgram", "glUniformMatrix4fv",
                                        "glTexParameteri", "glGenTextures", "glBindTexture",
                                        "glTexParameteri"}));

    gl.BindBuffer(GL_ARRAY_BUFFER, 4);
    gl.AttributePointer(0, 3, 24, 0);
    gl.DeleteBuffer(4);
    gl.BindTexture(texture);
    gl.DeleteTexture(texture);
    gl.UseProgram(8);
    gl.DeleteProgram(8);
    TakeCalled();
    gl.BindBuffer(GL_ARRAY_BUFFER, 4);
    gl.AttributePointer(0, 3, 24, 0);
    gl.BindTexture(texture);
    gl.UseProgram(8);
    EXPECT_EQ(TakeCalled(), (std::vector<std::string>{"glBindBuffer", "glVertexAttribPointer",
                                                      "glBindTexture", "glUseProgram"}));
}

// Every call is counted once, as made or as skipped, under its own function, through the seam's
// setters and through GL_CALL alike.
TEST(GlSeam, CountsAddUp) {
    GlSeam gl;
    for (GLuint program : {5, 6}) {
        gl.UseProgram(program);
        gl.LinkProgram(program);
    }
    TakeCalled();
    const GlCallCounts before = gl.Counts();
    // Rounds 1 and 3 reach GL (one value, then the other), round 2 repeats round 1.
    for (int round = 0; round < 3; ++round) {
        for (const StateCall& state : StateCalls()) {
            state.call(&gl, round == 2 ? 1 : 0);
        }
    }
    GL_CALL(&gl, glFinish)();
    const GlCallCounts& after = gl.Counts();
    const std::vector<std::string> called = TakeCalled();

    uint64_t made = 0;
    uint64_t skipped = 0;
    for (unsigned function = 0; function < GL_FUNCTION_COUNT; ++function) {
        const std::string name = GlFunctionName((GlFunction)function);
        const auto reached = (uint64_t)std::count(called.begin(), called.end(), name);
        EXPECT_EQ(after.made[function] - before.made[function], reached) << name;
        made += after.made[function] - before.made[function];
        skipped += after.skipped[function] - before.skipped[function];
    }
    EXPECT_EQ(made, 2 * StateCalls().size() + 1);
    EXPECT_EQ(skipped, StateCalls().size());
}

// The port log's line: totals, then the made calls by function, most first, ties in the table's
// order.
TEST(GlSeam, DescribesTheCallsBetweenTwoCounts) {
    GlCallCounts before;
    before.made[GL_FUNCTION_glClear] = 4;
    GlCallCounts after = before;
    after.made[GL_FUNCTION_glDrawElements] += 8;
    after.made[GL_FUNCTION_glClear] += 2;
    after.made[GL_FUNCTION_glUniform4fv] += 8;
    after.skipped[GL_FUNCTION_glUseProgram] += 5;
    EXPECT_EQ(DescribeGlCalls(before, after),
              "made 18, skipped 5: glUniform4fv 8, glDrawElements 8, glClear 2");
    EXPECT_EQ(DescribeGlCalls(after, after), "made 0, skipped 0");
}
