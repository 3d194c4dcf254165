#include "glsl_program.h"

#include "shader_sources.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// GLSL ES (WebGL 1, OpenGL ES 2.0) says so in its version string; desktop OpenGL gives a bare
// number.
bool SpeaksGlslEs() {
    const char* version = (const char*)glGetString(GL_SHADING_LANGUAGE_VERSION);
    return version != nullptr && std::strstr(version, "GLSL ES") != nullptr;
}

// Writes what failed with the info log of the shader or program, read through the getters of its
// kind (glGetShaderiv and glGetShaderInfoLog, or the program's).
void PrintLog(const char* what, GLuint object,
              void(GL_APIENTRY* getParameter)(GLuint, GLenum, GLint*),
              void(GL_APIENTRY* getLog)(GLuint, GLsizei, GLsizei*, GLchar*)) {
    GLint length = 0;
    getParameter(object, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log((size_t)length + 1, '\0');
    getLog(object, length, nullptr, log.data());
    std::fprintf(stderr, "d3d9: %s failed: %s\n", what, log.data());
}

GLuint CompileShader(GLenum stage, const std::string& defines, const char* source) {
    const bool es = SpeaksGlslEs();
    const char* precision = es && stage == GL_FRAGMENT_SHADER ? GLSL_ES_100_FRAGMENT_PRECISION : "";
    const char* parts[] = {es ? GLSL_ES_100_PRELUDE : GLSL_120_PRELUDE, precision, defines.c_str(),
                           source};
    const GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 4, parts, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        PrintLog(stage == GL_VERTEX_SHADER ? "vertex shader" : "fragment shader", shader,
                 glGetShaderiv, glGetShaderInfoLog);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

} // namespace

GLuint BuildProgram(const std::string& defines, const char* vertexSource,
                    const char* fragmentSource, std::initializer_list<const char*> attributes) {
    const GLuint vertex = CompileShader(GL_VERTEX_SHADER, defines, vertexSource);
    const GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, defines, fragmentSource);
    if (vertex == 0 || fragment == 0) {
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        return 0;
    }
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    GLuint location = 0;
    for (const char* attribute : attributes) {
        glBindAttribLocation(program, location++, attribute);
    }
    glLinkProgram(program);
    // The program keeps the shaders it was linked from; they go with it.
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    // Programs are built in the first frames and then kept, so the compiler's memory is given back
    // at once, before the driver compiles the program for its first draw: Mesa's GLSL built-in
    // functions alone hold about 4 MiB from the first compile on. A later build makes them again.
    glReleaseShaderCompiler();
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        PrintLog("linking a program", program, glGetProgramiv, glGetProgramInfoLog);
        glDeleteProgram(program);
        return 0;
    }
    return program;
}
