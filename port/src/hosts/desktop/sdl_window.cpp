// Windows on SDL2.
#include "sdl_window.h"

#include "../../win32/window_backend.h"
#include "../../win32/window_table.h"
#include "video.h"
#include "x11_errors.h"

#include <SDL.h>

#include <cstdio>

namespace {

class SdlWindow : public WindowBackend {
  public:
    explicit SdlWindow(SDL_Window* sdl) : sdl_(sdl) {}
    uint32_t Id() const override { return SDL_GetWindowID(sdl_); }
    bool Visible() const override;
    void Show(int showCommand) override;
    void Hide() override { SDL_HideWindow(sdl_); }
    void ClientSize(int* width, int* height) const override {
        SDL_GetWindowSize(sdl_, width, height);
    }

  private:
    SDL_Window* sdl_;
};

// Asked before the window exists: on X11 the double buffer and the depth buffer are chosen with the
// window's visual. The depth buffer is for a Direct3D back buffer drawn in the window itself,
// whose depth format has 16 bits.
void SetWindowGlAttributes() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
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

} // namespace

std::unique_ptr<WindowBackend> CreateWindowBackend(const std::string& title, int x, int y,
                                                   int width, int height) {
    if (!StartVideo()) {
        return nullptr;
    }
    SetWindowGlAttributes();
    SDL_Window* sdl = nullptr;
    {
        // SDL tries OpenGL out while it makes the first window: what the X server refuses then is
        // a device that cannot be created, which CreateGlContext reports.
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

SDL_Window* SdlWindowOf(HWND window) {
    const uint32_t id = BackendIdOf(window);
    return id == 0 ? nullptr : SDL_GetWindowFromID(id);
}
