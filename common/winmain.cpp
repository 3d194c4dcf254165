// The program's entry: start-up, the main loop, shutdown.
#include <windows.h>

#include "direct3d_setup.h"
#include "lighting.h"
#include "program.h"
#include "window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    PrepareProgram();
    HWND window = OpenMainWindow(instance, showCommand);
    InitDirect3D(window);
    InitLight();
    LoadProgramResources(window);
    const int exitCode = RunMainLoop(window);
    CleanDirect3D();
    return exitCode;
}
