// The steps between opening the window and running the frames, shared by the programs' entry and
// the capture tools.
#pragma once

#include <windows.h>

// Sets up the device on the window, then the light, then the program's own resources.
void SetUpScene(HWND window);
