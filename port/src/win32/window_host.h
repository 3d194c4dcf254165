// What a host gives the shared window table: one host window per Win32 window, whose area is the
// client area. The table owns the Win32 side (classes, handles, procedures, messages); the host
// only shows pixels and reports what happens to them.
#pragma once

#include <memory>
#include <string>

class HostWindow {
  public:
    virtual ~HostWindow() = default;
    virtual bool Visible() const = 0;
    // Shows the window as a ShowWindow command other than SW_HIDE asks.
    virtual void Show(int showCommand) = 0;
    virtual void Hide() = 0;
    virtual void ClientSize(int* width, int* height) const = 0;
};

// Opens a hidden host window titled title (UTF-8) whose client area is width x height with its
// top-left at x, y; null, with the reason on stderr, when the host cannot.
std::unique_ptr<HostWindow> CreateHostWindow(const std::string& title, int x, int y, int width,
                                             int height);
