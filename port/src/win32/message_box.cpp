// MessageBoxA and MessageBoxW on every host: the text as UTF-8, written to stderr as one line so
// that runs without a screen show it, then the host's box. Every box here has one OK button.
#include "host_message_box.h"
#include "text.h"

#include <cstdio>
#include <string>

namespace {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption) {
    std::string line = caption + ": " + text;
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    ShowHostMessageBox(owner, text, caption);
    return IDOK;
}

} // namespace

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT) {
    return ShowMessageBox(owner, Utf8FromAnsi(text == nullptr ? "" : text),
                          Utf8FromAnsi(caption == nullptr ? "Error" : caption));
}

int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT) {
    return ShowMessageBox(owner, Utf8FromWide(text == nullptr ? L"" : text),
                          Utf8FromWide(caption == nullptr ? L"Error" : caption));
}
