// What the stand-in has set of its GL context's state, so that a call reaches GL only when it
// changes a value: the bound program, buffers, texture and framebuffer, the capabilities, depth
// function, cull and front face, viewport, clear values, the vertex attribute arrays and the
// pixel store alignments. Every GL call of the device, its resources and presenting that sets
// one of these goes through here; deleting an object through here forgets its bindings, as GL
// does. The stand-in draws on texture unit 0 alone.
#pragma once

#include "gles2.h"

#include <array>
#include <cstdint>
#include <optional>

class GlStateCache {
  public:
    // Forgets everything: the next call of each kind reaches GL. For a context that is new.
    void Invalidate() { *this = GlStateCache(); }

    void UseProgram(GLuint program);
    // GL_ARRAY_BUFFER or GL_ELEMENT_ARRAY_BUFFER.
    void BindBuffer(GLenum target, GLuint buffer);
    // To GL_TEXTURE_2D.
    void BindTexture(GLuint texture);
    void BindFramebuffer(GLuint framebuffer);
    void BindRenderbuffer(GLuint renderbuffer);

    // GL_DEPTH_TEST, GL_CULL_FACE or GL_DITHER.
    void Enable(GLenum capability, bool enabled);
    void DepthFunc(GLenum function);
    void CullFace(GLenum face);
    void FrontFace(GLenum winding);
    void Viewport(GLsizei width, GLsizei height);
    void ClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
    void ClearDepth(GLfloat depth);
    // GL_PACK_ALIGNMENT or GL_UNPACK_ALIGNMENT.
    void PixelStore(GLenum name, GLint value);

    void EnableAttributeArray(GLuint index, bool enabled);
    // Float components read from the bound GL_ARRAY_BUFFER at a byte offset.
    void AttributePointer(GLuint index, GLint size, GLsizei stride, intptr_t offset);

    void DeleteProgram(GLuint program);
    void DeleteBuffer(GLuint buffer);
    void DeleteTexture(GLuint texture);
    void DeleteFramebuffer(GLuint framebuffer);
    void DeleteRenderbuffer(GLuint renderbuffer);

    // The framebuffer bound now (nothing when not yet known).
    std::optional<GLuint> Framebuffer() const { return framebuffer_; }

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

    // True, having recorded it, when value differs from what the cache knows of slot.
    template <class Value> static bool Changes(std::optional<Value>* slot, const Value& value) {
        if (*slot == value) {
            return false;
        }
        *slot = value;
        return true;
    }
    std::optional<bool>* CapabilitySlot(GLenum capability);

    std::optional<GLuint> program_;
    std::optional<GLuint> arrayBuffer_;
    std::optional<GLuint> elementBuffer_;
    std::optional<GLuint> texture_;
    std::optional<GLuint> framebuffer_;
    std::optional<GLuint> renderbuffer_;
    std::optional<bool> depthTest_;
    std::optional<bool> cullFace_;
    std::optional<bool> dither_;
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
};
