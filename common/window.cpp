#include "window.h"

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

void RegisterWindowClass(HINSTANCE instance) {
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
}

HWND CreateProgramWindow(HINSTANCE instance, int x, int y, int width, int height) {
    return CreateWindowExA(0, WINDOW_CLASS_NAME, g_windowTitle, WS_OVERLAPPEDWINDOW, x, y, width,
                           height, NULL, NULL, instance, NULL);
}

HWND OpenMainWindow(HINSTANCE instance, int showCommand) {
    RegisterWindowClass(instance);
    HWND window = CreateProgramWindow(instance, 100, 100, 640, 480);
    ShowWindow(window, showCommand);
    return window;
}
