// What a host gives MessageBoxA and MessageBoxW: a warning box with one OK button, shown until it
// is dismissed (Return and Escape press OK).
#pragma once

#include <windows.h>

#include <string>

// Shows text under caption (both UTF-8) over owner's window and returns once the box is gone.
void ShowHostMessageBox(HWND owner, const std::string& text, const std::string& caption);
