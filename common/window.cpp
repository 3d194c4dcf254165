#include "window.h"

#include "frame.h"
#include "program.h"

#include <string.h>

namespace {

const char WINDOW_CLASS_NAME[] = "WindowClass1";

} // namespace

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND OpenMainWindow(HINSTANCE instance, int showCommand) {
    WNDCLASSEXA windowClass;
    memset(&windowClass, 0, sizeof(windowClass));
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(NULL, IDC_ARROW);
    windowClass.hbrBackground = (HBRUSH)COLOR_WINDOW;
    windowClass.lpszClassName = WINDOW_CLASS_NAME;
    RegisterClassExA(&windowClass);

    HWND window = CreateWindowExA(0, WINDOW_CLASS_NAME, g_windowTitle, WS_OVERLAPPEDWINDOW, 100,
                                  100, 640, 480, NULL, NULL, instance, NULL);
    ShowWindow(window, showCommand);
    return window;
}

int RunMainLoop(HWND window) {
    MSG msg;
    memset(&msg, 0, sizeof(msg));
    for (;;) {
        bool quit = false;
        int exitCode = 0;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                exitCode = (int)msg.wParam;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
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
