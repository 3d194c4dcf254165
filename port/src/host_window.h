// What the Direct3D stand-in needs of the window stand-in.
#pragma once

#include <windows.h>

struct SDL_Window;

// The SDL window behind a window handle (created with SDL_WINDOW_OPENGL), or null when the handle
// names no live window.
SDL_Window* HostWindowOf(HWND window);
