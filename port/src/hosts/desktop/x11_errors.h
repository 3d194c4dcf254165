// X errors turned into what the program's own platform would show, instead of Xlib's report and
// exit(1). Two kinds are known:
// - errors about one of the program's windows that another X client has destroyed (xdotool
//   windowclose): the window is destroyed as DestroyWindow destroys it (host_events.cpp);
// - errors while a window and its OpenGL context are set up (indirect GLX that the server refuses):
//   the device cannot be created (sdl_gl_context.cpp), as where there is no display.
// Every other X error, and an error about a window that still exists, goes on to the handler SDL
// had installed, which reports it and ends the program as before.
#pragma once

#include <SDL.h>

#include <string>

// Installs the handler, once SDL's video runs on its x11 driver; nothing on other drivers.
void CatchX11Errors();

// While one lives, X errors are failures of what is being set up: the first one is kept for
// X11SetupFailure.
class X11Setup {
  public:
    X11Setup();
    ~X11Setup();
    X11Setup(const X11Setup&) = delete;
    X11Setup& operator=(const X11Setup&) = delete;
};

// Waits until the X server has answered every request of window's connection, so that their errors
// are in, and describes the first X error met while setting up any window or context; empty when
// there was none.
std::string X11SetupFailure(SDL_Window* window);

// Follows the X errors about window's X window from now on.
void WatchX11Window(SDL_Window* window);

// Whether the X server no longer has window's X window: another client destroyed it. Asked only
// after an X error about it; an error about a window that still exists goes on to SDL's handler.
bool X11WindowDestroyed(SDL_Window* window);
