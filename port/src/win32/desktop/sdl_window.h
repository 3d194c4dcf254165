// The SDL host's window: an SDL window made for OpenGL, the Direct3D stand-in's surface.
#pragma once

#include "../window_host.h"

#include <SDL.h>
#include <windows.h>

#include <cstdint>

class SdlWindow : public HostWindow {
  public:
    explicit SdlWindow(SDL_Window* sdl) : sdl_(sdl) {}
    bool Visible() const override;
    void Show(int showCommand) override;
    void Hide() override;
    void ClientSize(int* width, int* height) const override;
    SDL_Window* Sdl() const { return sdl_; }

  private:
    SDL_Window* sdl_;
};

// The window whose SDL window has this id, or null.
HWND WindowOfHostId(uint32_t hostWindowId);
