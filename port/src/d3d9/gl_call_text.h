// A GL call's arguments as text, for whoever watches the calls through the GL seam: enums by their
// names, other numbers in decimal, floats as short as they read back, pointers in hexadecimal, a
// uniform's floats in brackets.
#pragma once

#include "gles2.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <type_traits>

// The floats a uniform call passes.
struct GlFloats {
    const GLfloat* values;
    size_t count;
};

// "GL_DEPTH_TEST"; buffer bits joined with " | "; a value the stand-in never passes in
// hexadecimal.
std::string GlEnumName(GLenum value);

std::string GlArgumentText(float value);
std::string GlArgumentText(const GlFloats& floats);

template <class Value> std::string GlArgumentText(const Value& value, bool isEnum) {
    if constexpr (std::is_null_pointer_v<Value>) {
        return "NULL";
    } else if constexpr (std::is_pointer_v<Value>) {
        if (value == nullptr) {
            return "NULL";
        }
        char text[32];
        std::snprintf(text, sizeof(text), "%p", (const void*)value);
        return text;
    } else if constexpr (std::is_integral_v<Value>) {
        return isEnum ? GlEnumName((GLenum)value) : std::to_string(value);
    } else {
        return GlArgumentText(value);
    }
}

// The arguments joined with ", "; those whose bits are set in enums (bit 0 the first) are enums.
template <class... Arguments>
std::string GlArgumentsText(unsigned enums, const Arguments&... arguments) {
    std::string text;
    unsigned index = 0;
    ((text += (index == 0 ? "" : ", ") + GlArgumentText(arguments, (enums >> index) & 1u), ++index),
     ...);
    return text;
}
