// What the web host's Direct3D needs of its windows.
#pragma once

#include <windows.h>

#include <string>

// The CSS selector of the canvas behind a live window, or empty when the handle names none.
std::string CanvasSelectorOf(HWND window);
