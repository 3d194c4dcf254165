#include "call_text.h"

#include <cstdio>

std::string NameOf(DWORD value, std::initializer_list<Constant> constants) {
    for (const Constant& constant : constants) {
        if (constant.value == value) {
            return constant.name;
        }
    }
    return std::to_string(value);
}

std::string FlagsOf(DWORD value, std::initializer_list<Constant> flags) {
    std::string text;
    for (const Constant& flag : flags) {
        if ((value & flag.value) == flag.value) {
            text += (text.empty() ? "" : " | ") + std::string(flag.name);
            value &= ~flag.value;
        }
    }
    if (value != 0) {
        text += (text.empty() ? "" : " | ") + Hex(value);
    }
    return text.empty() ? "0" : text;
}

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%x", value);
    return text;
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.9g", value);
    return text;
}

std::string Join(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}
