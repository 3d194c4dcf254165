// Message boxes as modal boxes in the page. The call waits, yielding to the browser, until OK is
// pressed.
#include "../../win32/host_message_box.h"
#include "page_host.h"

#include <emscripten.h>

namespace {

// How often a waiting box looks whether it has been dismissed.
const int POLL_MILLISECONDS = 20;

} // namespace

void ShowHostMessageBox(HWND, const std::string& text, const std::string& caption) {
    port_web_open_message_box(caption.c_str(), text.c_str());
    while (port_web_message_box_open() != 0) {
        emscripten_sleep(POLL_MILLISECONDS);
    }
}
