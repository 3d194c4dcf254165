// Message boxes through SDL's. Each box is also written to stderr as one line, so runs without a
// screen show it; when SDL cannot show the box, the call still returns IDOK at once.
#include "../../host_window.h"
#include "../text.h"
#include "video.h"

#include <SDL.h>

#include <cstdio>
#include <string>

namespace {

// A warning box with one OK button that Return and Escape both press.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption) {
    std::string line = caption + ": " + text;
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);

    SDL_MessageBoxButtonData button = {};
    button.flags =
        SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    button.buttonid = IDOK;
    button.text = "OK";
    SDL_MessageBoxData box = {};
    box.flags = SDL_MESSAGEBOX_WARNING;
    box.window = HostWindowOf(owner);
    box.title = caption.c_str();
    box.message = text.c_str();
    box.numbuttons = 1;
    box.buttons = &button;
    // With video started, SDL shows the box through the driver its windows use.
    int pressed = IDOK;
    if (StartVideo() && SDL_ShowMessageBox(&box, &pressed) != 0) {
        std::fprintf(stderr, "The message box could not be shown: %s\n", SDL_GetError());
    }
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
