// Hooks of the stand-in that only tests use; the platform has no counterpart.
#pragma once

#include <d3d9.h>

// Makes the device lost at once, as if the display had been taken away: Present returns
// D3DERR_DEVICELOST, TestCooperativeLevel returns D3DERR_DEVICELOST for about half a second and
// then D3DERR_DEVICENOTRESET until Reset succeeds. A running program gets the same on SIGUSR1.
void PortSimulateDeviceLoss(IDirect3DDevice9* device);
