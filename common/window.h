// The program's window: its class, its procedure, the main window.
#pragma once

#include <windows.h>

// Answers WM_DESTROY with PostQuitMessage(0); leaves every other message to DefWindowProcA.
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the window class "WindowClass1", whose windows WindowProc answers.
void RegisterWindowClass(HINSTANCE instance);

// Creates a hidden overlapped window of that class with the program's title, its outer size
// width x height at (x, y).
HWND CreateProgramWindow(HINSTANCE instance, int x, int y, int width, int height);

// Registers the class and opens the main window, outer size 640 x 480 at (100, 100).
HWND OpenMainWindow(HINSTANCE instance, int showCommand);
