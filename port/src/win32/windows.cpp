// Window classes and windows on SDL2. A window handle is a never-reused key into the table of live
// windows, so a stale handle is recognised instead of followed.
#include "window_table.h"

#include "../host_window.h"
#include "../port_log.h"
#include "text.h"
#include "video.h"

#include <SDL.h>

#include <strings.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// The frame round the client area of Windows 10's overlapped window at 96 DPI.
const LONG FRAME_LEFT = 8;
const LONG FRAME_TOP = 31;
const LONG FRAME_RIGHT = 8;
const LONG FRAME_BOTTOM = 8;

// Atoms of registered classes start here on Windows too.
const ATOM FIRST_CLASS_ATOM = 0xC000;

struct HostWindow {
    SDL_Window* sdl;
    WNDPROC procedure;
    bool destroying;
};

// Windows compares class names without regard to case.
struct CaselessLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};

std::map<std::string, WNDPROC, CaselessLess> g_classes;
std::map<HWND, HostWindow> g_windows;
uintptr_t g_handleCount = 0;

HostWindow* FindWindowRecord(HWND window) {
    const auto found = g_windows.find(window);
    return found == g_windows.end() ? nullptr : &found->second;
}

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

bool IsLiveWindow(HWND window) {
    return FindWindowRecord(window) != nullptr;
}

HWND WindowOfHostId(uint32_t hostWindowId) {
    for (const auto& [handle, record] : g_windows) {
        if (SDL_GetWindowID(record.sdl) == hostWindowId) {
            return handle;
        }
    }
    return nullptr;
}

std::vector<HWND> LiveWindows() {
    std::vector<HWND> windows;
    for (const auto& entry : g_windows) {
        windows.push_back(entry.first);
    }
    return windows;
}

LRESULT SendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const HostWindow* record = FindWindowRecord(window);
    if (record == nullptr) {
        return 0;
    }
    const WNDPROC procedure = record->procedure;
    return procedure(window, message, wParam, lParam);
}

SDL_Window* HostWindowOf(HWND window) {
    const HostWindow* record = FindWindowRecord(window);
    return record == nullptr ? nullptr : record->sdl;
}

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA) ||
        windowClass->lpfnWndProc == nullptr || windowClass->lpszClassName == nullptr) {
        return 0;
    }
    if (!g_classes.emplace(windowClass->lpszClassName, windowClass->lpfnWndProc).second) {
        return 0;
    }
    return static_cast<ATOM>(FIRST_CLASS_ATOM + g_classes.size() - 1);
}

HWND WINAPI CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                            int width, int height, HWND, HMENU, HINSTANCE, LPVOID) {
    const auto windowClass = g_classes.find(className == nullptr ? "" : className);
    if (windowClass == g_classes.end()) {
        std::fprintf(stderr, "CreateWindowExA: no window class \"%s\"\n",
                     className == nullptr ? "" : className);
        return nullptr;
    }
    if (!StartVideo()) {
        return nullptr;
    }
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRect(&frame, style, FALSE);
    const int clientWidth = SDL_max(width - (frame.right - frame.left), 1);
    const int clientHeight = SDL_max(height - (frame.bottom - frame.top), 1);
    SetWindowGlAttributes();
    const std::string title = Utf8FromAnsi(windowName == nullptr ? "" : windowName);
    SDL_Window* sdl =
        SDL_CreateWindow(title.c_str(), x - frame.left, y - frame.top, clientWidth, clientHeight,
                         SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (sdl == nullptr) {
        std::fprintf(stderr, "CreateWindowExA: %s\n", SDL_GetError());
        return nullptr;
    }
    HWND window = reinterpret_cast<HWND>(++g_handleCount);
    g_windows[window] = HostWindow{sdl, windowClass->second, false};
    PortLogInfo("win32: window \"%s\" %d x %d, client area %d x %d", title.c_str(), width, height,
                clientWidth, clientHeight);
    return window;
}

BOOL WINAPI ShowWindow(HWND window, int showCommand) {
    const HostWindow* record = FindWindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    SDL_Window* sdl = record->sdl;
    const BOOL wasVisible = (SDL_GetWindowFlags(sdl) & SDL_WINDOW_SHOWN) != 0;
    if (showCommand == SW_HIDE) {
        SDL_HideWindow(sdl);
        return wasVisible;
    }
    SDL_ShowWindow(sdl);
    switch (showCommand) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        SDL_MinimizeWindow(sdl);
        break;
    case SW_SHOWMAXIMIZED:
        SDL_MaximizeWindow(sdl);
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        SDL_RestoreWindow(sdl);
        break;
    default:
        break;
    }
    return wasVisible;
}

// The SDL window is hidden, not destroyed: the Direct3D stand-in may still hold it for a device
// that the program releases only after its window has gone, as it does when the window is closed.
// It lasts, hidden, until the process ends.
BOOL WINAPI DestroyWindow(HWND window) {
    HostWindow* record = FindWindowRecord(window);
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    record->destroying = true;
    SDL_HideWindow(record->sdl);
    SendToWindow(window, WM_DESTROY, 0, 0);
    g_windows.erase(window);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, RECT* rect) {
    const HostWindow* record = FindWindowRecord(window);
    if (record == nullptr || rect == nullptr) {
        return FALSE;
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(record->sdl, &width, &height);
    *rect = RECT{0, 0, width, height};
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(RECT* rect, DWORD, BOOL) {
    if (rect == nullptr) {
        return FALSE;
    }
    rect->left -= FRAME_LEFT;
    rect->top -= FRAME_TOP;
    rect->right += FRAME_RIGHT;
    rect->bottom += FRAME_BOTTOM;
    return TRUE;
}
