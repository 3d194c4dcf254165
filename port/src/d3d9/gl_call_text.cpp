#include "gl_call_text.h"

#include <GLES2/gl2ext.h>

#include <cstdlib>

namespace {

struct GlConstant {
    GLenum value;
    const char* name;
};

// A constant with its own token as its name.
#define GL_NAMED(token)                                                                            \
    GlConstant {                                                                                   \
        token, #token                                                                              \
    }

// The enums the stand-in passes to GL.
const GlConstant ENUMS[] = {
    GL_NAMED(GL_TRIANGLES),
    GL_NAMED(GL_TRIANGLE_STRIP),
    GL_NAMED(GL_TRIANGLE_FAN),
    GL_NAMED(GL_NEVER),
    GL_NAMED(GL_LESS),
    GL_NAMED(GL_EQUAL),
    GL_NAMED(GL_LEQUAL),
    GL_NAMED(GL_GREATER),
    GL_NAMED(GL_NOTEQUAL),
    GL_NAMED(GL_GEQUAL),
    GL_NAMED(GL_ALWAYS),
    GL_NAMED(GL_FRONT),
    GL_NAMED(GL_BACK),
    GL_NAMED(GL_CW),
    GL_NAMED(GL_CULL_FACE),
    GL_NAMED(GL_DEPTH_TEST),
    GL_NAMED(GL_DITHER),
    GL_NAMED(GL_DEPTH_BITS),
    GL_NAMED(GL_MAX_TEXTURE_SIZE),
    GL_NAMED(GL_PACK_ALIGNMENT),
    GL_NAMED(GL_UNPACK_ALIGNMENT),
    GL_NAMED(GL_TEXTURE_2D),
    GL_NAMED(GL_TEXTURE_MAG_FILTER),
    GL_NAMED(GL_TEXTURE_MIN_FILTER),
    GL_NAMED(GL_TEXTURE_WRAP_S),
    GL_NAMED(GL_TEXTURE_WRAP_T),
    GL_NAMED(GL_NEAREST),
    GL_NAMED(GL_LINEAR),
    GL_NAMED(GL_NEAREST_MIPMAP_NEAREST),
    GL_NAMED(GL_LINEAR_MIPMAP_NEAREST),
    GL_NAMED(GL_NEAREST_MIPMAP_LINEAR),
    GL_NAMED(GL_LINEAR_MIPMAP_LINEAR),
    GL_NAMED(GL_REPEAT),
    GL_NAMED(GL_CLAMP_TO_EDGE),
    GL_NAMED(GL_UNSIGNED_BYTE),
    GL_NAMED(GL_UNSIGNED_SHORT),
    GL_NAMED(GL_UNSIGNED_INT),
    GL_NAMED(GL_FLOAT),
    GL_NAMED(GL_RGB),
    GL_NAMED(GL_RGBA),
    GL_NAMED(GL_BGRA_EXT),
    GL_NAMED(GL_ARRAY_BUFFER),
    GL_NAMED(GL_ELEMENT_ARRAY_BUFFER),
    GL_NAMED(GL_STATIC_DRAW),
    GL_NAMED(GL_FRAGMENT_SHADER),
    GL_NAMED(GL_VERTEX_SHADER),
    GL_NAMED(GL_COMPILE_STATUS),
    GL_NAMED(GL_LINK_STATUS),
    GL_NAMED(GL_INFO_LOG_LENGTH),
    GL_NAMED(GL_SHADING_LANGUAGE_VERSION),
    GL_NAMED(GL_FRAMEBUFFER),
    GL_NAMED(GL_RENDERBUFFER),
    GL_NAMED(GL_COLOR_ATTACHMENT0),
    GL_NAMED(GL_DEPTH_ATTACHMENT),
    GL_NAMED(GL_DEPTH_COMPONENT16),
};

// The bits glClear and glBlitFramebuffer take.
const GlConstant BUFFER_BITS[] = {
    GL_NAMED(GL_COLOR_BUFFER_BIT),
    GL_NAMED(GL_DEPTH_BUFFER_BIT),
    GL_NAMED(GL_STENCIL_BUFFER_BIT),
};

#undef GL_NAMED

} // namespace

std::string GlEnumName(GLenum value) {
    for (const GlConstant& constant : ENUMS) {
        if (constant.value == value) {
            return constant.name;
        }
    }
    std::string bits;
    GLenum rest = value;
    for (const GlConstant& bit : BUFFER_BITS) {
        if ((rest & bit.value) != 0) {
            bits += (bits.empty() ? "" : " | ") + std::string(bit.name);
            rest &= ~bit.value;
        }
    }
    if (!bits.empty() && rest == 0) {
        return bits;
    }
    char text[16];
    std::snprintf(text, sizeof(text), "0x%04x", value);
    return text;
}

std::string GlArgumentText(float value) {
    char text[32];
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof(text), "%.*g", digits, (double)value);
        if (std::strtof(text, nullptr) == value) {
            break;
        }
    }
    return text;
}

std::string GlArgumentText(const GlFloats& floats) {
    std::string text = "[";
    for (size_t i = 0; i < floats.count; ++i) {
        text += (i == 0 ? "" : ", ") + GlArgumentText(floats.values[i]);
    }
    return text + "]";
}
