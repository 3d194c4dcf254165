// A GL call's arguments as text, for whoever watches the calls through the GL seam: numbers in
// decimal, floats as short as they read back, pointers in hexadecimal, a uniform's floats in
// brackets.
#pragma once

#include "gles2.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>

// The floats a uniform call passes.
struct GlFloats {
    const GLfloat* values;
    size_t count;
};

inline std::string GlArgumentText(float value) {
    char text[32];
    for (int digits = 1; digits <= 9; ++digits) {
        std::snprintf(text, sizeof(text), "%.*g", digits, (double)value);
        if (std::strtof(text, nullptr) == value) {
            break;
        }
    }
    return text;
}

inline std::string GlArgumentText(const GlFloats& floats) {
    std::string text = "[";
    for (size_t i = 0; i < floats.count; ++i) {
        text += (i == 0 ? "" : ", ") + GlArgumentText(floats.values[i]);
    }
    return text + "]";
}

template <class Value> std::string GlArgumentText(const Value& value) {
    if constexpr (std::is_null_pointer_v<Value>) {
        return "NULL";
    } else if constexpr (std::is_pointer_v<Value>) {
        if (value == nullptr) {
            return "NULL";
        }
        char text[32];
        std::snprintf(text, sizeof(text), "%p", (const void*)value);
        return text;
    } else {
        return std::to_string(value);
    }
}

template <class... Arguments> std::string GlArgumentsText(const Arguments&... arguments) {
    std::string text;
    ((text += (text.empty() ? "" : ", ") + GlArgumentText(arguments)), ...);
    return text;
}
