// The live windows, shared by the window functions, the message queue and the host events.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Whether the handle names a window that has not been destroyed.
bool IsLiveWindow(HWND window);

// The window whose SDL window has this id, or null.
HWND WindowOfHostId(uint32_t hostWindowId);

// Every live window, oldest first.
std::vector<HWND> LiveWindows();

// Calls the window's procedure at once, as Windows' SendMessage does; 0 for a dead handle.
LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
