// Text conversions for the host, whose windows and dialogs take UTF-8.
#pragma once

#include <string>

// 8-bit text read as UTF-8 (the ANSI code page of this stand-in, as Windows allows); each byte
// that does not belong to a well-formed sequence becomes U+FFFD.
std::string Utf8FromAnsi(const char* text);

// Wide text read as UTF-32 (wchar_t is 32 bits here); surrogates and values past U+10FFFF become
// U+FFFD.
std::string Utf8FromWide(const wchar_t* text);
