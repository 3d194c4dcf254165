#include "gl_state_cache.h"

void GlStateCache::UseProgram(GLuint program) {
    if (Changes(&program_, program)) {
        glUseProgram(program);
    }
}

void GlStateCache::BindBuffer(GLenum target, GLuint buffer) {
    if (Changes(target == GL_ARRAY_BUFFER ? &arrayBuffer_ : &elementBuffer_, buffer)) {
        glBindBuffer(target, buffer);
    }
}

void GlStateCache::BindTexture(GLuint texture) {
    if (Changes(&texture_, texture)) {
        glBindTexture(GL_TEXTURE_2D, texture);
    }
}

void GlStateCache::BindFramebuffer(GLuint framebuffer) {
    if (Changes(&framebuffer_, framebuffer)) {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    }
}

void GlStateCache::BindRenderbuffer(GLuint renderbuffer) {
    if (Changes(&renderbuffer_, renderbuffer)) {
        glBindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
    }
}

std::optional<bool>* GlStateCache::CapabilitySlot(GLenum capability) {
    switch (capability) {
    case GL_DEPTH_TEST:
        return &depthTest_;
    case GL_CULL_FACE:
        return &cullFace_;
    default:
        return &dither_;
    }
}

void GlStateCache::Enable(GLenum capability, bool enabled) {
    if (!Changes(CapabilitySlot(capability), enabled)) {
        return;
    }
    if (enabled) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void GlStateCache::DepthFunc(GLenum function) {
    if (Changes(&depthFunction_, function)) {
        glDepthFunc(function);
    }
}

void GlStateCache::CullFace(GLenum face) {
    if (Changes(&cullSide_, face)) {
        glCullFace(face);
    }
}

void GlStateCache::FrontFace(GLenum winding) {
    if (Changes(&frontFace_, winding)) {
        glFrontFace(winding);
    }
}

void GlStateCache::Viewport(GLsizei width, GLsizei height) {
    if (Changes(&viewport_, std::array<GLsizei, 2>{width, height})) {
        glViewport(0, 0, width, height);
    }
}

void GlStateCache::ClearColor(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    if (Changes(&clearColour_, std::array<GLfloat, 4>{red, green, blue, alpha})) {
        glClearColor(red, green, blue, alpha);
    }
}

void GlStateCache::ClearDepth(GLfloat depth) {
    if (Changes(&clearDepth_, depth)) {
        glClearDepthf(depth);
    }
}

void GlStateCache::PixelStore(GLenum name, GLint value) {
    if (Changes(name == GL_PACK_ALIGNMENT ? &packAlignment_ : &unpackAlignment_, value)) {
        glPixelStorei(name, value);
    }
}

void GlStateCache::EnableAttributeArray(GLuint index, bool enabled) {
    if (!Changes(&arrayEnabled_[index], enabled)) {
        return;
    }
    if (enabled) {
        glEnableVertexAttribArray(index);
    } else {
        glDisableVertexAttribArray(index);
    }
}

void GlStateCache::AttributePointer(GLuint index, GLint size, GLsizei stride, intptr_t offset) {
    // The pointer takes the buffer bound now, so the same offset in another buffer is a change.
    const Pointer pointer = {arrayBuffer_.value_or(0), size, stride, offset};
    if (Changes(&pointers_[index], pointer)) {
        glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, stride, (const void*)offset);
    }
}

void GlStateCache::DeleteProgram(GLuint program) {
    // A program in use stays until another is used; the stand-in uses none after deleting it.
    if (program_ == program) {
        UseProgram(0);
    }
    glDeleteProgram(program);
}

void GlStateCache::DeleteBuffer(GLuint buffer) {
    glDeleteBuffers(1, &buffer);
    if (arrayBuffer_ == buffer) {
        arrayBuffer_ = 0u;
    }
    if (elementBuffer_ == buffer) {
        elementBuffer_ = 0u;
    }
    // The attribute pointers keep the deleted buffer's storage; a new buffer may take its name.
    for (std::optional<Pointer>& pointer : pointers_) {
        if (pointer && pointer->buffer == buffer) {
            pointer.reset();
        }
    }
}

void GlStateCache::DeleteTexture(GLuint texture) {
    glDeleteTextures(1, &texture);
    if (texture_ == texture) {
        texture_ = 0u;
    }
}

void GlStateCache::DeleteFramebuffer(GLuint framebuffer) {
    glDeleteFramebuffers(1, &framebuffer);
    if (framebuffer_ == framebuffer) {
        framebuffer_ = 0u;
    }
}

void GlStateCache::DeleteRenderbuffer(GLuint renderbuffer) {
    glDeleteRenderbuffers(1, &renderbuffer);
    if (renderbuffer_ == renderbuffer) {
        renderbuffer_ = 0u;
    }
}
