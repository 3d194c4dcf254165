#include "video.h"

#include "x11_errors.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace {

// SDL's drivers that show nothing to anyone. SDL falls back to them when it finds no display.
bool ShowsNothing(const char* driver) {
    return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}

} // namespace

bool StartVideo() {
    // Closing the last window must reach the program as WM_CLOSE only, not also as SDL_QUIT.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (VideoStarted()) {
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Cannot open a display: %s\n", SDL_GetError());
        return false;
    }
    // A program on such a driver would run on unseen, and Escape could not reach it. They serve
    // only where SDL_VIDEODRIVER asks for one by name.
    if (SDL_getenv("SDL_VIDEODRIVER") == nullptr && ShowsNothing(SDL_GetCurrentVideoDriver())) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        std::fprintf(stderr, "Cannot open a display: no X11, Wayland or KMS display was found\n");
        return false;
    }
    CatchX11Errors();
    return true;
}

bool VideoStarted() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}
