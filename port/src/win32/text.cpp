#include "text.h"

namespace {

const char32_t REPLACEMENT = 0xFFFD;
const char32_t LAST_CODE_POINT = 0x10FFFF;

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

void AppendUtf8(std::string* out, char32_t c) {
    if (c < 0x80) {
        out->push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (c >> 6)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (c >> 12)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (c >> 18)));
        out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The length of the well-formed UTF-8 sequence at text, or 0 when there is none: a stray
// continuation byte, a cut-off sequence, an overlong form, a surrogate or a value past U+10FFFF.
size_t WellFormedLength(const unsigned char* text) {
    const unsigned char lead = text[0];
    size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (text[i] & 0x3F);
    }
    if (c < smallest || c > LAST_CODE_POINT || IsSurrogate(c)) {
        return 0;
    }
    return length;
}

} // namespace

std::string Utf8FromAnsi(const char* text) {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    std::string out;
    while (*bytes != 0) {
        const size_t length = WellFormedLength(bytes);
        if (length == 0) {
            AppendUtf8(&out, REPLACEMENT);
            ++bytes;
        } else {
            out.append(reinterpret_cast<const char*>(bytes), length);
            bytes += length;
        }
    }
    return out;
}

std::string Utf8FromWide(const wchar_t* text) {
    std::string out;
    for (; *text != 0; ++text) {
        const char32_t c = static_cast<char32_t>(*text);
        AppendUtf8(&out, c > LAST_CODE_POINT || IsSurrogate(c) ? REPLACEMENT : c);
    }
    return out;
}
