#include "gl_seam.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const FUNCTION_NAMES[] = {
#define PORT_GL_FUNCTION_NAME(name, enums) #name,
    PORT_GL_FUNCTIONS(PORT_GL_FUNCTION_NAME)
#undef PORT_GL_FUNCTION_NAME
};

const unsigned ENUM_ARGUMENTS[] = {
#define PORT_GL_FUNCTION_ENUMS(name, enums) enums,
    PORT_GL_FUNCTIONS(PORT_GL_FUNCTION_ENUMS)
#undef PORT_GL_FUNCTION_ENUMS
};
static_assert(sizeof(FUNCTION_NAMES) / sizeof(FUNCTION_NAMES[0]) == GL_FUNCTION_COUNT);

// What GL gives a texture it makes (OpenGL ES 2.0, 3.7.12).
const GLint DEFAULT_MIN_FILTER = GL_NEAREST_MIPMAP_LINEAR;
const GLint DEFAULT_MAG_FILTER = GL_LINEAR;
const GLint DEFAULT_WRAP = GL_REPEAT;

} // namespace

const char* GlFunctionName(GlFunction function) {
    return function < GL_FUNCTION_COUNT ? FUNCTION_NAMES[function] : "unknown";
}

unsigned GlEnumArguments(GlFunction function) {
    return function < GL_FUNCTION_COUNT ? ENUM_ARGUMENTS[function] : 0;
}

std::string DescribeGlCalls(const GlCallCounts& before, const GlCallCounts& after) {
    std::vector<std::pair<uint64_t, unsigned>> made;
    uint64_t madeTotal = 0;
    uint64_t skippedTotal = 0;
    for (unsigned function = 0; function < GL_FUNCTION_COUNT; ++function) {
        const uint64_t count = after.made[function] - before.made[function];
        madeTotal += count;
        skippedTotal += after.skipped[function] - before.skipped[function];
        if (count > 0) {
            made.emplace_back(count, function);
        }
    }
    // Most first; equal counts in the table's order.
    std::stable_sort(made.begin(), made.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::string line =
        "made " + std::to_string(madeTotal) + ", skipped " + std::to_string(skippedTotal);
    const char* separator = ": ";
    for (const auto& [count, function] : made) {
        line += separator;
        line += GlFunctionName((GlFunction)function);
        line += " " + std::to_string(count);
        separator = ", ";
    }
    return line;
}

void GlSeam::Invalidate() {
    const GlCallCounts counts = counts_;
    GlCallObserver* observer = observer_;
    *this = GlSeam();
    counts_ = counts;
    observer_ = observer;
}

void GlSeam::UseProgram(GLuint program) {
    if (CopyIfChanged(GL_FUNCTION_glUseProgram, &program_, program, program)) {
        glUseProgram(program);
        const auto known = uniforms_.find(program);
        uniformsInUse_ = known != uniforms_.end() ? &known->second : nullptr;
    }
}

void GlSeam::BindBuffer(GLenum target, GLuint buffer) {
    if (CopyIfChanged(GL_FUNCTION_glBindBuffer,
                      target == GL_ARRAY_BUFFER ? &arrayBuffer_ : &elementBuffer_, buffer, target,
                      buffer)) {
        glBindBuffer(target, buffer);
    }
}

void GlSeam::BindTexture(GLuint texture) {
    if (CopyIfChanged(GL_FUNCTION_glBindTexture, &texture_, texture, GL_TEXTURE_2D, texture)) {
        glBindTexture(GL_TEXTURE_2D, texture);
    }
}

void GlSeam::BindFramebuffer(GLuint framebuffer) {
    if (CopyIfChanged(GL_FUNCTION_glBindFramebuffer, &framebuffer_, framebuffer, GL_FRAMEBUFFER,
                      framebuffer)) {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    }
}

void GlSeam::BindRenderbuffer(GLuint renderbuffer) {
    if (CopyIfChanged(GL_FUNCTION_glBindRenderbuffer, &renderbuffer_, renderbuffer, GL_RENDERBUFFER,
                      renderbuffer)) {
        glBindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
    }
}

void GlSeam::Enable(GlCapability capability, bool enabled) {
    static const GLenum NAMES[] = {GL_DEPTH_TEST, GL_CULL_FACE, GL_DITHER};
    const size_t index = (size_t)capability;
    if (CopyIfChanged(enabled ? GL_FUNCTION_glEnable : GL_FUNCTION_glDisable, &capabilities_[index],
                      enabled, NAMES[index])) {
        (enabled ? glEnable : glDisable)(NAMES[index]);
    }
}

void GlSeam::DepthFunc(GLenum function) {
    if (CopyIfChanged(GL_FUNCTION_glDepthFunc, &depthFunction_, function, function)) {
        glDepthFunc(function);
    }
}

void GlSeam::CullFace(GLenum face) {
    if (CopyIfChanged(GL_FUNCTION_glCullFace, &cullSide_, face, face)) {
        glCullFace(face);
    }
}

void GlSeam::FrontFace(GLenum winding) {
    if (CopyIfChanged(GL_FUNCTION_glFrontFace, &frontFace_, winding, winding)) {
        glFrontFace(winding);
    }
}

void GlSeam::Viewport(GLsizei width, GLsizei height) {
    if (CopyIfChanged(GL_FUNCTION_glViewport, &viewport_, std::array<GLsizei, 2>{width, height}, 0,
                      0, width, height)) {
        glViewport(0, 0, width, height);
    }
}

void GlSeam::ClearColor(const std::array<GLfloat, 4>& colour) {
    if (CopyIfChanged(GL_FUNCTION_glClearColor, &clearColour_, colour, colour[0], colour[1],
                      colour[2], colour[3])) {
        glClearColor(colour[0], colour[1], colour[2], colour[3]);
    }
}

void GlSeam::ClearDepth(GLfloat depth) {
    if (CopyIfChanged(GL_FUNCTION_glClearDepthf, &clearDepth_, depth, depth)) {
        glClearDepthf(depth);
    }
}

void GlSeam::PackAlignment(GLint alignment) {
    if (CopyIfChanged(GL_FUNCTION_glPixelStorei, &packAlignment_, alignment, GL_PACK_ALIGNMENT,
                      alignment)) {
        glPixelStorei(GL_PACK_ALIGNMENT, alignment);
    }
}

void GlSeam::UnpackAlignment(GLint alignment) {
    if (CopyIfChanged(GL_FUNCTION_glPixelStorei, &unpackAlignment_, alignment, GL_UNPACK_ALIGNMENT,
                      alignment)) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    }
}

void GlSeam::EnableAttributeArray(GLuint index, bool enabled) {
    if (CopyIfChanged(enabled ? GL_FUNCTION_glEnableVertexAttribArray
                              : GL_FUNCTION_glDisableVertexAttribArray,
                      &arrayEnabled_[index], enabled, index)) {
        (enabled ? glEnableVertexAttribArray : glDisableVertexAttribArray)(index);
    }
}

void GlSeam::AttributePointer(GLuint index, GLint size, GLsizei stride, intptr_t offset) {
    // The pointer takes the buffer bound now, so the same offset in another buffer is a change.
    const Pointer pointer = {arrayBuffer_.value_or(0), size, stride, offset};
    if (CopyIfChanged(GL_FUNCTION_glVertexAttribPointer, &pointers_[index], pointer, index, size,
                      GL_FLOAT, GL_FALSE, stride, (const void*)offset)) {
        glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, stride, (const void*)offset);
    }
}

void GlSeam::TexParameter(GLenum name, GLint value) {
    GLint* held = nullptr;
    const auto parameters = textureParameters_.find(texture_.value_or(0));
    if (texture_ && parameters != textureParameters_.end()) {
        TextureParameters& known = parameters->second;
        held = name == GL_TEXTURE_MIN_FILTER   ? &known.minFilter
               : name == GL_TEXTURE_MAG_FILTER ? &known.magFilter
               : name == GL_TEXTURE_WRAP_S     ? &known.wrapS
                                               : &known.wrapT;
    }
    if (held != nullptr && *held == value) {
        Count(GL_FUNCTION_glTexParameteri, false, GL_TEXTURE_2D, name, value);
        return;
    }
    if (held != nullptr) {
        *held = value;
    }
    Count(GL_FUNCTION_glTexParameteri, true, GL_TEXTURE_2D, name, value);
    glTexParameteri(GL_TEXTURE_2D, name, value);
}

bool GlSeam::CopyUniformIfChanged(GLint location, const GLfloat* values, size_t count) {
    if (uniformsInUse_ == nullptr) {
        // The program in use was not linked through the seam: its values are not known.
        return true;
    }
    std::vector<std::vector<GLfloat>>& byLocation = *uniformsInUse_;
    if ((size_t)location >= byLocation.size()) {
        byLocation.resize((size_t)location + 1);
    }
    std::vector<GLfloat>& held = byLocation[(size_t)location];
    const bool same = held.empty()
                          ? std::all_of(values, values + count, [](GLfloat v) { return v == 0.0f; })
                          : held.size() == count &&
                                std::memcmp(held.data(), values, count * sizeof(GLfloat)) == 0;
    if (!same) {
        held.assign(values, values + count);
    }
    return !same;
}

void GlSeam::Uniform4(GLint location, GLsizei count, const GLfloat* values) {
    if (location < 0 || count <= 0) {
        return;
    }
    const size_t floats = (size_t)count * 4;
    const bool changed = CopyUniformIfChanged(location, values, floats);
    Count(GL_FUNCTION_glUniform4fv, changed, location, count, GlFloats{values, floats});
    if (changed) {
        glUniform4fv(location, count, values);
    }
}

void GlSeam::UniformMatrix4(GLint location, GLsizei count, const GLfloat* values) {
    if (location < 0 || count <= 0) {
        return;
    }
    const size_t floats = (size_t)count * 16;
    const bool changed = CopyUniformIfChanged(location, values, floats);
    Count(GL_FUNCTION_glUniformMatrix4fv, changed, location, count, GL_FALSE,
          GlFloats{values, floats});
    if (changed) {
        glUniformMatrix4fv(location, count, GL_FALSE, values);
    }
}

std::vector<GLfloat> GlSeam::UniformValues(GLuint program, GLint location) const {
    const auto known = uniforms_.find(program);
    if (known == uniforms_.end() || location < 0 || (size_t)location >= known->second.size()) {
        return {};
    }
    return known->second[(size_t)location];
}

GLuint GlSeam::GenTexture() {
    GLuint texture = 0;
    Count(GL_FUNCTION_glGenTextures, true, 1);
    glGenTextures(1, &texture);
    textureParameters_[texture] = {DEFAULT_MIN_FILTER, DEFAULT_MAG_FILTER, DEFAULT_WRAP,
                                   DEFAULT_WRAP};
    return texture;
}

void GlSeam::LinkProgram(GLuint program) {
    Count(GL_FUNCTION_glLinkProgram, true, program);
    glLinkProgram(program);
    // Every uniform of a linked program is zero.
    std::vector<std::vector<GLfloat>>& linked = uniforms_[program];
    linked.clear();
    if (program_ == program) {
        uniformsInUse_ = &linked;
    }
}

void GlSeam::DeleteProgram(GLuint program) {
    // A program in use stays until another is used; the stand-in uses none after deleting it.
    if (program_ == program) {
        UseProgram(0);
    }
    Count(GL_FUNCTION_glDeleteProgram, true, program);
    glDeleteProgram(program);
    uniforms_.erase(program);
}

void GlSeam::DeleteBuffer(GLuint buffer) {
    Count(GL_FUNCTION_glDeleteBuffers, true, 1, buffer);
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

void GlSeam::DeleteTexture(GLuint texture) {
    Count(GL_FUNCTION_glDeleteTextures, true, 1, texture);
    glDeleteTextures(1, &texture);
    textureParameters_.erase(texture);
    if (texture_ == texture) {
        texture_ = 0u;
    }
}

void GlSeam::DeleteFramebuffer(GLuint framebuffer) {
    Count(GL_FUNCTION_glDeleteFramebuffers, true, 1, framebuffer);
    glDeleteFramebuffers(1, &framebuffer);
    if (framebuffer_ == framebuffer) {
        framebuffer_ = 0u;
    }
}

void GlSeam::DeleteRenderbuffer(GLuint renderbuffer) {
    Count(GL_FUNCTION_glDeleteRenderbuffers, true, 1, renderbuffer);
    glDeleteRenderbuffers(1, &renderbuffer);
    if (renderbuffer_ == renderbuffer) {
        renderbuffer_ = 0u;
    }
}
