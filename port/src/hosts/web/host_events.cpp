// The page's close buttons, turned into WM_CLOSE.
#include "../../win32/host_events.h"

#include "../../win32/window_table.h"
#include "page_host.h"

std::vector<MSG> TakeHostEvents() {
    std::vector<MSG> messages;
    for (int number = port_web_take_close_request(); number != 0;
         number = port_web_take_close_request()) {
        HWND window = WindowOfBackendId(static_cast<uint32_t>(number));
        if (window != nullptr) {
            messages.push_back(HostMessage(window, WM_CLOSE));
        }
    }
    return messages;
}
