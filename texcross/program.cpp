// texcross's values and steps at the points where the two programs differ.
#include "program.h"

#include "mesh.h"
#include "texture_set.h"

const char g_windowTitle[] = "DirectX textures";
const DWORD g_vertexFormat = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;
const UINT g_vertexStride = sizeof(TexturedVertex);

void PrepareProgram() {
    SetWorkingDirectoryToExe();
}

void LoadProgramResources(HWND window) {
    LoadTextures(window);
}

void RestoreProgramStates() {
    SetTextureFilters();
}

void ReleaseProgramObjects() {
    ReleaseTextures();
}
