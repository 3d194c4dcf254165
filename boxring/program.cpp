// boxring's values and steps at the points where the two programs differ.
#include "program.h"

#include "mesh.h"

const char g_windowTitle[] = "DirectX lighting boxes";
const DWORD g_vertexFormat = D3DFVF_XYZ | D3DFVF_NORMAL;
const UINT g_vertexStride = sizeof(LitVertex);

void PrepareProgram() {}

void LoadProgramResources(HWND) {}

void RestoreProgramStates() {}

void ReleaseProgramObjects() {}
