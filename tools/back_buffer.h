// Reading a frame back from the device as a program on the platform would, for the capture tools
// and the picture tests.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <vector>

// Copies the device's width x height back buffer into system memory (GetBackBuffer,
// CreateOffscreenPlainSurface, GetRenderTargetData, LockRect) and returns it as RGB rows, top row
// first, 3 bytes a pixel. Returns false, with rgb left empty, if any step fails.
bool ReadBackBuffer(IDirect3DDevice9* device, UINT width, UINT height,
                    std::vector<unsigned char>* rgb);
