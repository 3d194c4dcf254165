// The one way the programs end on a failure they cannot go on from.
#pragma once

#include <windows.h>

// Shows the text in a warning box titled "Info", owned by the window (which may be NULL), and
// ends the process with exit code 1 once the box is dismissed.
void ExitWithMessage(HWND window, LPCWSTR text);
