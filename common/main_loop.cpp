#include "main_loop.h"

#include "frame.h"

#include <string.h>

bool HandleNextMessage(MSG* msg) {
    if (!PeekMessageA(msg, NULL, 0, 0, PM_REMOVE)) {
        return false;
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return true;
}

int RunMainLoop(HWND window) {
    MSG msg;
    memset(&msg, 0, sizeof(msg));
    for (;;) {
        bool quit = false;
        int exitCode = 0;
        while (HandleNextMessage(&msg)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                exitCode = (int)msg.wParam;
            }
        }
        if (quit) {
            return exitCode;
        }
        RenderFrame();
        if (GetAsyncKeyState(VK_ESCAPE) & 0x8000) {
            PostMessageA(window, WM_DESTROY, 0, 0);
        }
    }
}
