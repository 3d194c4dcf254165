// Arguments written as the platform's documentation writes them: constants by name, flags joined
// with " | ", so a logged call reads like the call in the source.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

struct Constant {
    DWORD value;
    const char* name;
};

// The name of the value among the constants, or the value in decimal.
std::string NameOf(DWORD value, std::initializer_list<Constant> constants);

// The named flags set in the value joined with " | ", any others in hexadecimal; "0" for none.
std::string FlagsOf(DWORD value, std::initializer_list<Constant> flags);

std::string Hex(DWORD value);
std::string Number(double value);

// "a, b, c".
std::string Join(std::initializer_list<std::string> parts);
