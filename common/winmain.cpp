// The program's entry: start-up, the main loop, shutdown.
#include <windows.h>

#include "direct3d_setup.h"
#include "main_loop.h"
#include "program.h"
#include "scene_setup.h"
#include "window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    PrepareProgram();
    HWND window = OpenMainWindow(instance, showCommand);
    SetUpScene(window);
    const int exitCode = RunMainLoop(window);
    CleanDirect3D();
    return exitCode;
}
