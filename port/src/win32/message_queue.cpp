// The process's one message queue. Posted messages wait in order; PostQuitMessage only raises a
// flag, and WM_QUIT is made from it once no other matching message waits, whatever the filters,
// as on Windows.
#include "host_events.h"
#include "window_table.h"

#include <chrono>
#include <deque>

namespace {

std::deque<MSG> g_queue;
bool g_quitPosted = false;
int g_quitCode = 0;

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg = HostMessage(window, message, wParam, lParam);
    msg.time = (DWORD)std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
                   .count();
    return msg;
}

// A null window takes messages for every window; 0, 0 takes every message number.
bool Matches(const MSG& msg, HWND window, UINT filterMin, UINT filterMax) {
    if (window != nullptr && msg.hwnd != window) {
        return false;
    }
    return (filterMin == 0 && filterMax == 0) ||
           (msg.message >= filterMin && msg.message <= filterMax);
}

} // namespace

BOOL WINAPI PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg) {
    for (const MSG& event : TakeHostEvents()) {
        g_queue.push_back(MakeMessage(event.hwnd, event.message, event.wParam, event.lParam));
    }
    for (auto queued = g_queue.begin(); queued != g_queue.end(); ++queued) {
        if (Matches(*queued, window, filterMin, filterMax)) {
            *msg = *queued;
            if (removeMsg & PM_REMOVE) {
                g_queue.erase(queued);
            }
            return TRUE;
        }
    }
    if (g_quitPosted) {
        *msg = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(g_quitCode), 0);
        if (removeMsg & PM_REMOVE) {
            g_quitPosted = false;
        }
        return TRUE;
    }
    return FALSE;
}

// No character messages are made, so no message is ever translated.
BOOL WINAPI TranslateMessage(const MSG*) {
    return FALSE;
}

// Messages without a window, WM_QUIT among them, go to no procedure.
LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (msg == nullptr || msg->hwnd == nullptr) {
        return 0;
    }
    return SendToWindow(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

// A null window posts a message for the thread itself.
BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && !IsLiveWindow(window)) {
        return FALSE;
    }
    g_queue.push_back(MakeMessage(window, message, wParam, lParam));
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    g_quitPosted = true;
    g_quitCode = exitCode;
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        DestroyWindow(window);
    }
    return 0;
}
