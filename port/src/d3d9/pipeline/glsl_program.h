// Building a GLSL program from one of the stand-in's sources, in the dialect the current context
// speaks.
#pragma once

#include "../gl_seam.h"

#include <initializer_list>
#include <string>

// The generic vertex attributes every program of the stand-in reads, at fixed locations so that
// the vertex input does not depend on the program in use.
enum VertexAttribute : GLuint {
    ATTRIBUTE_POSITION = 0,
    ATTRIBUTE_NORMAL = 1,
    ATTRIBUTE_TEX_COORD = 2,
};

// Whether the current context speaks GLSL ES (OpenGL ES 2.0, WebGL 1) rather than desktop GLSL.
bool SpeaksGlslEs(GlSeam* gl);

// The whole text a shader is compiled from: the dialect's prelude (and, for a GLSL ES fragment
// shader, its default precision), then the defines, then the source.
std::string ShaderText(bool es, GLenum stage, const std::string& defines, const char* source);

// Compiles the two shaders (each the dialect's prelude, then defines, then the source) and links
// them with the named attributes at locations 0, 1, 2... in order. Returns the program, or 0
// after writing the compiler's or linker's log to stderr. The shader compiler's memory is given
// back afterwards (glReleaseShaderCompiler). The context must be current.
GLuint BuildProgram(GlSeam* gl, const std::string& defines, const char* vertexSource,
                    const char* fragmentSource, std::initializer_list<const char*> attributes);
