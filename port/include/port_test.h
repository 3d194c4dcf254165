// Hooks of the stand-in that only tests use; the platform has no counterpart.
#pragma once

#include <d3d9.h>

// Makes the device lost at once, as if the display had been taken away: Present returns
// D3DERR_DEVICELOST, TestCooperativeLevel returns D3DERR_DEVICELOST for about half a second and
// then D3DERR_DEVICENOTRESET until Reset succeeds. A running program gets the same on SIGUSR1.
void PortSimulateDeviceLoss(IDirect3DDevice9* device);

// Takes the device's OpenGL context away and gives the window a new one, with none of the old GL
// objects, as a browser does when a lost WebGL context comes back: the device is lost
// (D3DERR_DEVICENOTRESET at once) until Reset makes its GL objects again; buffers and textures
// refill theirs from system memory at their next use. On the desktop host only: elsewhere the
// device keeps its context.
void PortReplaceContext(IDirect3DDevice9* device);
