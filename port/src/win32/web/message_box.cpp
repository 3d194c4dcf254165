// Message boxes as modal boxes in the page. The call waits, yielding to the browser, until OK is
// pressed; each box is also written to stderr (the browser's console) as one line.
#include "../text.h"
#include "web_host.h"

#include <emscripten.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// How often a waiting box looks whether it has been dismissed.
const int POLL_MILLISECONDS = 20;

int ShowMessageBox(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    port_web_open_message_box(caption.c_str(), text.c_str());
    while (port_web_message_box_open() != 0) {
        emscripten_sleep(POLL_MILLISECONDS);
    }
    return IDOK;
}

} // namespace

int WINAPI MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    return ShowMessageBox(Utf8FromAnsi(text == nullptr ? "" : text),
                          Utf8FromAnsi(caption == nullptr ? "Error" : caption));
}

int WINAPI MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT) {
    return ShowMessageBox(Utf8FromWide(text == nullptr ? L"" : text),
                          Utf8FromWide(caption == nullptr ? L"Error" : caption));
}
