// Windows on SDL2.
#include "sdl_window.h"

#include "../../host_window.h"
#include "../window_table.h"
#include "video.h"
#include "x11_errors.h"

#include <cstdio>

namespace {

// Asked before the window exists: on X11 the double buffer and the depth buffer are chosen with the
// window's visual. Depth lives in the Direct3D stand-in's own framebuffer, so the window has none.
void SetWindowGlAttributes() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
}

} // namespace

std::unique_ptr<HostWindow> CreateHostWindow(const std::string& title, int x, int y, int width,
                                             int height) {
    if (!StartVideo()) {
        return nullptr;
    }
    SetWindowGlAttributes();
    SDL_Window* sdl = nullptr;
    {
        // SDL tries OpenGL out while it makes the first window: what the X server refuses then is
        // a device that cannot be created, which CreateHost reports.
        const X11Setup setup;
        sdl = SDL_CreateWindow(title.c_str(), x, y, width, height,
                               SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    }
    if (sdl == nullptr) {
        std::fprintf(stderr, "CreateWindowExA: %s\n", SDL_GetError());
        return nullptr;
    }
    WatchX11Window(sdl);
    return std::make_unique<SdlWindow>(sdl);
}

bool SdlWindow::Visible() const {
    return (SDL_GetWindowFlags(sdl_) & SDL_WINDOW_SHOWN) != 0;
}

void SdlWindow::Show(int showCommand) {
    SDL_ShowWindow(sdl_);
    switch (showCommand) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        SDL_MinimizeWindow(sdl_);
        break;
    case SW_SHOWMAXIMIZED:
        SDL_MaximizeWindow(sdl_);
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        SDL_RestoreWindow(sdl_);
        break;
    default:
        break;
    }
}

void SdlWindow::Hide() {
    SDL_HideWindow(sdl_);
}

void SdlWindow::ClientSize(int* width, int* height) const {
    SDL_GetWindowSize(sdl_, width, height);
}

SDL_Window* HostWindowOf(HWND window) {
    const SdlWindow* host = static_cast<const SdlWindow*>(HostOf(window));
    return host == nullptr ? nullptr : host->Sdl();
}

HWND WindowOfHostId(uint32_t hostWindowId) {
    for (HWND window : LiveWindows()) {
        if (SDL_GetWindowID(HostWindowOf(window)) == hostWindowId) {
            return window;
        }
    }
    return nullptr;
}
