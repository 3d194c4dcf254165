// The page's close buttons, turned into WM_CLOSE.
#include "../host_events.h"

#include "canvas_window.h"
#include "web_host.h"

void PostHostEvents() {
    for (int number = port_web_take_close_request(); number != 0;
         number = port_web_take_close_request()) {
        HWND window = WindowOfNumber(number);
        if (window != nullptr) {
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
    }
}
