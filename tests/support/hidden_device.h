// A window of a chosen client size that is never shown, and a windowed device of the stand-in on
// a window: what the benchmarks, the texture loader's fuzzer and the picture tests draw on.
#pragma once

#include <windows.h>
#include <d3d9.h>

// A window whose client area is width x height, not shown; null when it cannot be made.
HWND CreateHiddenWindow(int width, int height);

// A windowed device on the window with software vertex processing and a back buffer of the
// window's client size. parameters gets Windowed, a discarding swap and hDeviceWindow, keeps any
// other field the caller set (a depth buffer, say) and comes back with the back buffer's size.
HRESULT CreateWindowedDevice(IDirect3D9* direct3d, HWND window, D3DPRESENT_PARAMETERS* parameters,
                             IDirect3DDevice9** device);

// A hidden window of that client size and a windowed device on it without a depth buffer; null,
// with *failure saying what could not be made, when either cannot be made.
IDirect3DDevice9* CreateHiddenDevice(int width, int height, const char** failure);
