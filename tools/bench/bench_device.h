// A Direct3D device of the stand-in on a small window of its own, for the benchmarks.
#pragma once

#include <windows.h>
#include <d3d9.h>

// A windowed device on a 320 x 240 window of its own; null when either cannot be made.
IDirect3DDevice9* CreateBenchDevice();
