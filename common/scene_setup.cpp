#include "scene_setup.h"

#include "direct3d_setup.h"
#include "lighting.h"
#include "program.h"

void SetUpScene(HWND window) {
    InitDirect3D(window);
    InitLight();
    LoadProgramResources(window);
}
