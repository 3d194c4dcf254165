// What happens to the process's windows on the host, turned into window messages.
#pragma once

#include <windows.h>

#include <vector>

// Reads every pending host event and returns the messages they mean, oldest first, for the message
// queue to post: WM_CLOSE when a window's close button is pressed (and to every window when the
// host asks the process to quit), WM_SIZE when a window is resized, minimised or restored. Returns
// none before the first window exists.
std::vector<MSG> TakeHostEvents();

// A message as a host event gives it; the queue stamps its time when it posts it.
inline MSG HostMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    MSG msg = {};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    return msg;
}
