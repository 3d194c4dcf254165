// The one way the stand-in calls OpenGL: one seam per context, through which every GL call of the
// device, its resources, its programs and presenting goes. A call that sets state (a binding, a
// capability, a function, the viewport, clear values, pixel store alignments, vertex attribute
// arrays, texture parameters, uniforms of the program in use) reaches GL only when it changes
// what the context holds, whoever set it last; any other call always reaches GL. Each GL function
// counts the calls made and the calls dropped as repeats, for tests and the port log.
//
// Deleting an object through the seam forgets its bindings, as GL does. The stand-in draws on
// texture unit 0 alone.
#pragma once

#include "gl_call_text.h"
#include "gles2.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Every GL function the stand-in calls, each with the bits of the arguments that are GL enums (bit
// 0 the first), so that a watcher reads them by name. glBlitFramebuffer is the desktop host's
// alone: OpenGL ES 2.0 has none.
#define PORT_GL_FUNCTIONS(X)                                                                       \
    X(glUseProgram, 0)                                                                             \
    X(glBindBuffer, 0b1)                                                                           \
    X(glBindTexture, 0b1)                                                                          \
    X(glBindFramebuffer, 0b1)                                                                      \
    X(glBindRenderbuffer, 0b1)                                                                     \
    X(glEnable, 0b1)                                                                               \
    X(glDisable, 0b1)                                                                              \
    X(glDepthFunc, 0b1)                                                                            \
    X(glCullFace, 0b1)                                                                             \
    X(glFrontFace, 0b1)                                                                            \
    X(glViewport, 0)                                                                               \
    X(glClearColor, 0)                                                                             \
    X(glClearDepthf, 0)                                                                            \
    X(glPixelStorei, 0b1)                                                                          \
    X(glEnableVertexAttribArray, 0)                                                                \
    X(glDisableVertexAttribArray, 0)                                                               \
    X(glVertexAttribPointer, 0b100)                                                                \
    X(glTexParameteri, 0b111)                                                                      \
    X(glUniform4fv, 0)                                                                             \
    X(glUniformMatrix4fv, 0)                                                                       \
    X(glClear, 0b1)                                                                                \
    X(glDrawElements, 0b101)                                                                       \
    X(glDrawArrays, 0b1)                                                                           \
    X(glTexImage2D, 0b11000101)                                                                    \
    X(glTexSubImage2D, 0b11000001)                                                                 \
    X(glBufferData, 0b1001)                                                                        \
    X(glReadPixels, 0b110000)                                                                      \
    X(glFinish, 0)                                                                                 \
    X(glGetError, 0)                                                                               \
    X(glGetIntegerv, 0b1)                                                                          \
    X(glGetString, 0b1)                                                                            \
    X(glGenBuffers, 0)                                                                             \
    X(glGenTextures, 0)                                                                            \
    X(glGenFramebuffers, 0)                                                                        \
    X(glGenRenderbuffers, 0)                                                                       \
    X(glDeleteBuffers, 0)                                                                          \
    X(glDeleteTextures, 0)                                                                         \
    X(glDeleteFramebuffers, 0)                                                                     \
    X(glDeleteRenderbuffers, 0)                                                                    \
    X(glDeleteProgram, 0)                                                                          \
    X(glFramebufferTexture2D, 0b111)                                                               \
    X(glFramebufferRenderbuffer, 0b111)                                                            \
    X(glRenderbufferStorage, 0b11)                                                                 \
    X(glCheckFramebufferStatus, 0b1)                                                               \
    X(glBlitFramebuffer, 0b1100000000)                                                             \
    X(glCreateShader, 0b1)                                                                         \
    X(glShaderSource, 0)                                                                           \
    X(glCompileShader, 0)                                                                          \
    X(glGetShaderiv, 0b10)                                                                         \
    X(glGetShaderInfoLog, 0)                                                                       \
    X(glDeleteShader, 0)                                                                           \
    X(glCreateProgram, 0)                                                                          \
    X(glAttachShader, 0)                                                                           \
    X(glBindAttribLocation, 0)                                                                     \
    X(glLinkProgram, 0)                                                                            \
    X(glReleaseShaderCompiler, 0)                                                                  \
    X(glGetProgramiv, 0b10)                                                                        \
    X(glGetProgramInfoLog, 0)                                                                      \
    X(glGetUniformLocation, 0)

enum GlFunction : unsigned {
#define PORT_GL_FUNCTION_ENUMERATOR(name, enums) GL_FUNCTION_##name,
    PORT_GL_FUNCTIONS(PORT_GL_FUNCTION_ENUMERATOR)
#undef PORT_GL_FUNCTION_ENUMERATOR
        GL_FUNCTION_COUNT
};

// The function's own name, "glClear" for GL_FUNCTION_glClear.
const char* GlFunctionName(GlFunction function);

// The bits of the function's arguments that are GL enums.
unsigned GlEnumArguments(GlFunction function);

// Calls made and calls dropped as repeats, by GL function, since the context was made.
struct GlCallCounts {
    std::array<uint64_t, GL_FUNCTION_COUNT> made{};
    std::array<uint64_t, GL_FUNCTION_COUNT> skipped{};
};

// One line: the calls made and dropped from before to after, and the made ones by function, most
// first ("made 42, skipped 12: glUniformMatrix4fv 16, glDrawElements 8, ...").
std::string DescribeGlCalls(const GlCallCounts& before, const GlCallCounts& after);

// A GL function called through a seam, counted: GL_CALL(gl, glClear)(GL_COLOR_BUFFER_BIT).
#define GL_CALL(seam, function) (seam)->Call(GL_FUNCTION_##function, function)

// Told of each call through a seam while it watches: the frame recorder.
class GlCallObserver {
  public:
    // A call made, or dropped because the context holds what it would set, with its arguments as
    // text.
    virtual void Called(GlFunction function, bool made, const std::string& arguments) = 0;
    // The calls that follow make this part of a draw (GlSeam::NotePart).
    virtual void Part(unsigned part) = 0;

  protected:
    ~GlCallObserver() = default;
};

// The capabilities the stand-in switches.
enum class GlCapability { DEPTH_TEST, CULL_FACE, DITHER };

class GlSeam {
  public:
    // Forgets everything the context holds: the next call of each kind reaches GL. For a context
    // that is new.
    void Invalidate();

    const GlCallCounts& Counts() const { return counts_; }

    // Tells observer of every call from now on; null stops telling. Nothing is formatted while
    // no one watches.
    void Observe(GlCallObserver* observer) { observer_ = observer; }
    // Tells the observer that the calls from now on make one part of a draw (a DrawPart of
    // device_state.h), or with 0 the draw itself.
    void NotePart(unsigned part) {
        if (observer_ != nullptr) {
            observer_->Part(part);
        }
    }

    // Any call that sets no state the seam keeps, counted when it is made: through GL_CALL.
    template <class Function> auto Call(GlFunction function, Function* call) {
        // this-> spelled out: clang 14 (Emscripten's) takes the bare call in a generic lambda for
        // no use of the captured this.
        return [this, function, call](auto... arguments) {
            this->Count(function, true, arguments...);
            return call(arguments...);
        };
    }
    // A call the host makes without a GL function pointer of the ES 2.0 header, counted.
    template <class... Arguments>
    void CountHostCall(GlFunction function, const Arguments&... arguments) {
        Count(function, true, arguments...);
    }

    void UseProgram(GLuint program);
    // GL_ARRAY_BUFFER or GL_ELEMENT_ARRAY_BUFFER.
    void BindBuffer(GLenum target, GLuint buffer);
    // To GL_TEXTURE_2D.
    void BindTexture(GLuint texture);
    void BindFramebuffer(GLuint framebuffer);
    void BindRenderbuffer(GLuint renderbuffer);

    void Enable(GlCapability capability, bool enabled);
    void DepthFunc(GLenum function);
    void CullFace(GLenum face);
    void FrontFace(GLenum winding);
    void Viewport(GLsizei width, GLsizei height);
    void ClearColor(const std::array<GLfloat, 4>& colour);
    void ClearDepth(GLfloat depth);
    void PackAlignment(GLint alignment);
    void UnpackAlignment(GLint alignment);

    void EnableAttributeArray(GLuint index, bool enabled);
    // Float components read from the bound GL_ARRAY_BUFFER at a byte offset.
    void AttributePointer(GLuint index, GLint size, GLsizei stride, intptr_t offset);

    // A parameter of the texture bound now (filters and wrapping).
    void TexParameter(GLenum name, GLint value);

    // Uniforms of the program in use, at a location it has (-1, a location it lacks, is ignored):
    // count vectors or matrices from the location on, an array's elements one after another. A
    // program linked through the seam starts with every uniform zero.
    void Uniform4(GLint location, GLsizei count, const GLfloat* values);
    void UniformMatrix4(GLint location, GLsizei count, const GLfloat* values);
    // The values the context holds for a uniform of a program linked through the seam: empty for
    // one never set (zeros) or a program not linked through the seam.
    std::vector<GLfloat> UniformValues(GLuint program, GLint location) const;

    // Object lifetimes: what is made starts with GL's defaults, what is deleted is forgotten.
    GLuint GenTexture();
    void LinkProgram(GLuint program);
    void DeleteProgram(GLuint program);
    void DeleteBuffer(GLuint buffer);
    void DeleteTexture(GLuint texture);
    void DeleteFramebuffer(GLuint framebuffer);
    void DeleteRenderbuffer(GLuint renderbuffer);

  private:
    // The attribute arrays the stand-in's programs read (pipeline/glsl_program.h).
    static const GLuint ATTRIBUTES = 3;

    struct Pointer {
        GLuint buffer;
        GLint size;
        GLsizei stride;
        intptr_t offset;
        bool operator==(const Pointer& other) const {
            return buffer == other.buffer && size == other.size && stride == other.stride &&
                   offset == other.offset;
        }
    };
    struct TextureParameters {
        GLint minFilter;
        GLint magFilter;
        GLint wrapS;
        GLint wrapT;
    };

    // Counts a call made or dropped, and tells the observer with the call's arguments.
    template <class... Arguments>
    void Count(GlFunction function, bool made, const Arguments&... arguments) {
        ++(made ? counts_.made : counts_.skipped)[function];
        if (observer_ != nullptr) {
            observer_->Called(function, made,
                              GlArgumentsText(GlEnumArguments(function), arguments...));
        }
    }

    // Records value in slot and returns true when it is not what the slot holds: the call, with
    // the given arguments, is to be made. Otherwise counts the call as dropped and returns false.
    template <class Value, class... Arguments>
    bool CopyIfChanged(GlFunction function, std::optional<Value>* slot, const Value& value,
                       const Arguments&... arguments) {
        const bool changed = !(*slot == value);
        if (changed) {
            *slot = value;
        }
        Count(function, changed, arguments...);
        return changed;
    }
    // Records count floats for a uniform at location (not -1) of the program in use, and returns
    // true when they are not what the context holds or the program's values are not known.
    bool CopyUniformIfChanged(GLint location, const GLfloat* values, size_t count);

    GlCallCounts counts_;
    GlCallObserver* observer_ = nullptr;
    std::optional<GLuint> program_;
    std::optional<GLuint> arrayBuffer_;
    std::optional<GLuint> elementBuffer_;
    std::optional<GLuint> texture_;
    std::optional<GLuint> framebuffer_;
    std::optional<GLuint> renderbuffer_;
    std::array<std::optional<bool>, 3> capabilities_;
    std::optional<GLenum> depthFunction_;
    std::optional<GLenum> cullSide_;
    std::optional<GLenum> frontFace_;
    std::optional<std::array<GLsizei, 2>> viewport_;
    std::optional<std::array<GLfloat, 4>> clearColour_;
    std::optional<GLfloat> clearDepth_;
    std::optional<GLint> packAlignment_;
    std::optional<GLint> unpackAlignment_;
    std::array<std::optional<bool>, ATTRIBUTES> arrayEnabled_;
    std::array<std::optional<Pointer>, ATTRIBUTES> pointers_;
    // Parameters of the textures made through the seam, by name.
    std::unordered_map<GLuint, TextureParameters> textureParameters_;
    // Uniform values of the programs linked through the seam, by program, then by location; a
    // location not yet set holds zeros. Those of other programs are not known.
    std::unordered_map<GLuint, std::vector<std::vector<GLfloat>>> uniforms_;
    // Those of the program in use, when it is known (the map's entries stay where they are).
    std::vector<std::vector<GLfloat>>* uniformsInUse_ = nullptr;
};
