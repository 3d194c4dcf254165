#include "../../win32/host_events.h"

#include "../../win32/window_table.h"
#include "sdl_window.h"
#include "video.h"
#include "x11_errors.h"

#include <SDL.h>

namespace {

void AddWindowEvent(const SDL_WindowEvent& event, std::vector<MSG>* messages) {
    HWND window = WindowOfBackendId(event.windowID);
    if (window == nullptr) {
        return;
    }
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        messages->push_back(HostMessage(window, WM_CLOSE, 0, 0));
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        messages->push_back(HostMessage(window, WM_SIZE, SIZE_MINIMIZED, 0));
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED: {
        RECT client;
        GetClientRect(window, &client);
        const bool maximized =
            (SDL_GetWindowFlags(SDL_GetWindowFromID(event.windowID)) & SDL_WINDOW_MAXIMIZED) != 0;
        messages->push_back(HostMessage(window, WM_SIZE, maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                                        MAKELPARAM(client.right, client.bottom)));
        break;
    }
    default:
        break;
    }
}

} // namespace

std::vector<MSG> TakeHostEvents() {
    std::vector<MSG> messages;
    if (!VideoStarted()) {
        return messages;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_WINDOWEVENT) {
            AddWindowEvent(event.window, &messages);
        } else if (event.type == SDL_QUIT) {
            for (HWND window : LiveWindows()) {
                messages.push_back(HostMessage(window, WM_CLOSE, 0, 0));
            }
        }
    }
    // A window that another X client destroyed is destroyed here too: its procedure gets
    // WM_DESTROY, as when Windows destroys a window.
    for (HWND window : LiveWindows()) {
        if (X11WindowDestroyed(SdlWindowOf(window))) {
            DestroyWindow(window);
        }
    }
    return messages;
}
