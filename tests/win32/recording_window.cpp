#include "recording_window.h"

std::vector<UINT> g_receivedMessages;
int g_quitCodeOnDestroy = 0;

namespace {

const char RECORDING_CLASS[] = "RecordingWindow";

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_receivedMessages.push_back(message);
    if (message == WM_DESTROY) {
        PostQuitMessage(g_quitCodeOnDestroy);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterRecordingClass() {
    static bool registered = false;
    if (registered) {
        return;
    }
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.lpfnWndProc = RecordingProc;
    windowClass.lpszClassName = RECORDING_CLASS;
    registered = RegisterClassExA(&windowClass) != 0;
}

} // namespace

HWND OpenRecordingWindow() {
    RegisterRecordingClass();
    return CreateWindowExA(0, RECORDING_CLASS, "recording window", WS_OVERLAPPEDWINDOW, 100, 100,
                           640, 480, NULL, NULL, GetModuleHandleA(NULL), NULL);
}

std::vector<UINT> DrainMessages() {
    std::vector<UINT> messages;
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        messages.push_back(msg.message);
        DispatchMessageA(&msg);
    }
    return messages;
}
