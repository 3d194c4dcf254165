// The live windows, shared by the window functions, the message queue and the host events.
#pragma once

#include "window_host.h"

#include <windows.h>

#include <vector>

// Whether the handle names a window that has not been destroyed.
bool IsLiveWindow(HWND window);

// The host window behind a live window handle, or null.
HostWindow* HostOf(HWND window);

// Every live window, oldest first.
std::vector<HWND> LiveWindows();

// Calls the window's procedure at once, as Windows' SendMessage does; 0 for a dead handle.
LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
