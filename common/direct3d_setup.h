// The Direct3D object, the device and the cube's buffers: created once at start-up, released
// once at shutdown.
#pragma once

#include <windows.h>
#include <d3d9.h>

extern IDirect3D9* g_direct3d;
extern IDirect3DDevice9* g_device;
extern IDirect3DVertexBuffer9* g_vertexBuffer;
extern IDirect3DIndexBuffer9* g_indexBuffer;

// The parameters the device was created with; a reset uses them again.
extern D3DPRESENT_PARAMETERS g_presentParameters;

// Creates a windowed device with a 16-bit depth buffer on the window, uploads the cube mesh and
// sets the states that never change. Ends the program with a message if any of it fails.
void InitDirect3D(HWND window);

// Ends the program with the message that Direct3D failed, in a box owned by the window.
void ExitWithDeviceFailure(HWND window);

// Sets the device states that never change: no culling, depth test on, the projection.
void SetFixedStates();

// Releases the program's objects, the buffers, the device and the Direct3D object, in that order.
void CleanDirect3D();
