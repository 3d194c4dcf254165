// The live windows, shared by the window functions, the message queue and the hosts. The hosts
// call in here to turn handles into their own ids and back; the table knows a host only through
// window_backend.h.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Whether the handle names a window that has not been destroyed.
bool IsLiveWindow(HWND window);

// The host's id for a live window's backend (WindowBackend::Id), or 0 when the handle names none.
uint32_t BackendIdOf(HWND window);

// The live window whose backend has this id, or null.
HWND WindowOfBackendId(uint32_t id);

// Every live window, oldest first.
std::vector<HWND> LiveWindows();

// Calls the window's procedure at once, as Windows' SendMessage does; 0 for a dead handle.
LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
