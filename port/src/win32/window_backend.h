// What a host gives the shared window table for each Win32 window: a window on the host (an SDL
// window on the desktop, a canvas in the page) whose area is the client area. The table owns the
// Win32 side (classes, handles, procedures, messages) and finds windows by the host's id for them;
// the backend only shows pixels and reports its own state. Each host implements this interface and
// CreateWindowBackend; the table reaches a host through nothing else.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class WindowBackend {
  public:
    virtual ~WindowBackend() = default;
    // The host's own number for the window (SDL's window id, the page's window number): never 0,
    // and never shared by two live windows.
    virtual uint32_t Id() const = 0;
    virtual bool Visible() const = 0;
    // Shows the window as a ShowWindow command other than SW_HIDE asks.
    virtual void Show(int showCommand) = 0;
    virtual void Hide() = 0;
    virtual void ClientSize(int* width, int* height) const = 0;
};

// Opens a hidden window on the host titled title (UTF-8) whose client area is width x height with
// its top-left at x, y; null, with the reason on stderr, when the host cannot.
std::unique_ptr<WindowBackend> CreateWindowBackend(const std::string& title, int x, int y,
                                                   int width, int height);
