// The counts and sizes the capture tools and the plain OpenGL yardstick take on their command
// lines, read alike by both.
#pragma once

#include <string>

// A whole number in [1, largest] written as the browser's capture tool takes it: decimal digits
// only, the first not 0; no sign, no spaces. Otherwise false.
bool ParseCount(const std::string& text, long largest, long* value);

// WxH, each side a count in [1, largestSide]. Otherwise false.
bool ParseSize(const std::string& text, long largestSide, long* width, long* height);
