// The points where the two programs differ. common/ declares them here; each program defines them
// in its own folder, and the build links that folder with common/.
#pragma once

#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

// The main window's title.
extern const char g_windowTitle[];

// The vertex layout the program's vertex buffer holds (see mesh.h).
extern const DWORD g_vertexFormat;
extern const UINT g_vertexStride;

// Runs before the window class is registered.
void PrepareProgram();

// Runs once the device and the light are set up, before the main loop.
void LoadProgramResources(HWND window);

// Sets again, after a device reset, the device states the program sets itself.
void RestoreProgramStates();

// Draws every object of the scene, tumbled by the frame's spin matrix.
void DrawScene(const D3DXMATRIX* spin);

// Releases the program's own device objects; runs first at shutdown.
void ReleaseProgramObjects();
