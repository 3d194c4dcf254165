// The desktop host's windows: each Win32 window is an SDL window made for OpenGL, the Direct3D
// stand-in's surface.
#pragma once

#include <windows.h>

struct SDL_Window;

// The SDL window behind a window handle, or null when the handle names no live window.
SDL_Window* SdlWindowOf(HWND window);
