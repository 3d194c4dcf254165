// The window shell: the window class, the main window, the main loop.
#pragma once

#include <windows.h>

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the window class and opens the program's window, outer size 640 x 480 at (100, 100).
HWND OpenMainWindow(HINSTANCE instance, int showCommand);

// Handles every queued message, draws a frame and polls Escape, pass after pass, until WM_QUIT
// arrives. Returns the WM_QUIT's code.
int RunMainLoop(HWND window);
