#include "glsl_program.h"

#include "shader_sources.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Writes what failed with the info log of the shader or program, read through the getters of its
// kind (glGetShaderiv and glGetShaderInfoLog, or the program's).
template <class GetParameter, class GetLog>
void PrintLog(const char* what, GLuint object, GetParameter getParameter, GetLog getLog) {
    GLint length = 0;
    getParameter(object, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log((size_t)length + 1, '\0');
    getLog(object, length, nullptr, log.data());
    std::fprintf(stderr, "d3d9: %s failed: %s\n", what, log.data());
}

// Compiles without asking whether that worked: the status waits for the compiler (in a browser, a
// round trip to its GPU process, which compiles as it gets there), so it is asked only when the
// program fails to link (ReportFailure).
GLuint CompileShader(GlSeam* gl, GLenum stage, const std::string& defines, const char* source) {
    const std::string text = ShaderText(SpeaksGlslEs(gl), stage, defines, source);
    const char* parts[] = {text.c_str()};
    const GLuint shader = GL_CALL(gl, glCreateShader)(stage);
    GL_CALL(gl, glShaderSource)(shader, 1, parts, nullptr);
    GL_CALL(gl, glCompileShader)(shader);
    return shader;
}

// Writes why the program did not link: the log of each shader that did not compile, or else the
// linker's.
void ReportFailure(GlSeam* gl, GLuint program, GLuint vertex, GLuint fragment) {
    bool shaderFailed = false;
    for (const GLuint shader : {vertex, fragment}) {
        GLint compiled = GL_FALSE;
        GL_CALL(gl, glGetShaderiv)(shader, GL_COMPILE_STATUS, &compiled);
        if (compiled != GL_TRUE) {
            PrintLog(shader == vertex ? "vertex shader" : "fragment shader", shader,
                     GL_CALL(gl, glGetShaderiv), GL_CALL(gl, glGetShaderInfoLog));
            shaderFailed = true;
        }
    }
    if (!shaderFailed) {
        PrintLog("linking a program", program, GL_CALL(gl, glGetProgramiv),
                 GL_CALL(gl, glGetProgramInfoLog));
    }
}

} // namespace

// GLSL ES (WebGL 1, OpenGL ES 2.0) says so in its version string; desktop OpenGL gives a bare
// number.
bool SpeaksGlslEs(GlSeam* gl) {
    const char* version = (const char*)GL_CALL(gl, glGetString)(GL_SHADING_LANGUAGE_VERSION);
    return version != nullptr && std::strstr(version, "GLSL ES") != nullptr;
}

std::string ShaderText(bool es, GLenum stage, const std::string& defines, const char* source) {
    const char* precision = es && stage == GL_FRAGMENT_SHADER ? GLSL_ES_100_FRAGMENT_PRECISION : "";
    return std::string(es ? GLSL_ES_100_PRELUDE : GLSL_120_PRELUDE) + precision + defines + source;
}

GLuint BuildProgram(GlSeam* gl, const std::string& defines, const char* vertexSource,
                    const char* fragmentSource, std::initializer_list<const char*> attributes) {
    const GLuint vertex = CompileShader(gl, GL_VERTEX_SHADER, defines, vertexSource);
    const GLuint fragment = CompileShader(gl, GL_FRAGMENT_SHADER, defines, fragmentSource);
    const GLuint program = GL_CALL(gl, glCreateProgram)();
    GL_CALL(gl, glAttachShader)(program, vertex);
    GL_CALL(gl, glAttachShader)(program, fragment);
    GLuint location = 0;
    for (const char* attribute : attributes) {
        GL_CALL(gl, glBindAttribLocation)(program, location++, attribute);
    }
    gl->LinkProgram(program);
    // A shader that did not compile makes the link fail, so the link's status is the one question.
    GLint linked = GL_FALSE;
    GL_CALL(gl, glGetProgramiv)(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        ReportFailure(gl, program, vertex, fragment);
    }
    // The program keeps the shaders it was linked from; they go with it.
    GL_CALL(gl, glDeleteShader)(vertex);
    GL_CALL(gl, glDeleteShader)(fragment);
    // Programs are built in the first frames and then kept, so the compiler's memory is given back
    // at once, before the driver compiles the program for its first draw: Mesa's GLSL built-in
    // functions alone hold about 4 MiB from the first compile on. A later build makes them again.
    GL_CALL(gl, glReleaseShaderCompiler)();
    if (linked != GL_TRUE) {
        gl->DeleteProgram(program);
        return 0;
    }
    return program;
}
