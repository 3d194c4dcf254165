#include "video.h"

#include <SDL.h>

#include <cstdio>

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
    return true;
}

bool VideoStarted() {
    return SDL_WasInit(SDL_INIT_VIDEO) != 0;
}
