// The many-draws scene's values and steps at the points where the programs differ: boxring's lit
// vertex layout, and the cubes' placements made once the draw count is known.
#include "program.h"

#include "grid_scene.h"
#include "mesh.h"

const char g_windowTitle[] = "Many draws";
const DWORD g_vertexFormat = D3DFVF_XYZ | D3DFVF_NORMAL;
const UINT g_vertexStride = sizeof(LitVertex);

void PrepareProgram() {}

void LoadProgramResources(HWND window) {
    PlaceCubes(window);
    SetGridStates();
}

void RestoreProgramStates() {
    SetGridStates();
}

void ReleaseProgramObjects() {}
