// The main loop: every queued message, then a frame, then the Escape key, pass after pass.
#pragma once

#include <windows.h>

// Takes the next queued message into msg and hands it to its window procedure. Returns false,
// without waiting, when none is queued.
bool HandleNextMessage(MSG* msg);

// Handles every queued message, draws a frame and polls Escape, pass after pass, until a pass
// has drained WM_QUIT. Escape posts WM_DESTROY to the window. Returns the WM_QUIT's code.
int RunMainLoop(HWND window);
