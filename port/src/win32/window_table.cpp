// Window classes and windows, on whatever host shows them. A window handle is a never-reused key
// into the table of live windows, so a stale handle is recognised instead of followed.
#include "window_table.h"

#include "../port_log.h"
#include "text.h"
#include "window_backend.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

// The frame round the client area of Windows 10's overlapped window at 96 DPI.
const LONG FRAME_LEFT = 8;
const LONG FRAME_TOP = 31;
const LONG FRAME_RIGHT = 8;
const LONG FRAME_BOTTOM = 8;

// Atoms of registered classes start here on Windows too.
const ATOM FIRST_CLASS_ATOM = 0xC000;

struct WindowRecord {
    std::unique_ptr<WindowBackend> backend;
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
std::map<HWND, WindowRecord> g_windows;
uintptr_t g_handleCount = 0;

WindowRecord* FindWindowRecord(HWND window) {
    const auto found = g_windows.find(window);
    return found == g_windows.end() ? nullptr : &found->second;
}

} // namespace

bool IsLiveWindow(HWND window) {
    return FindWindowRecord(window) != nullptr;
}

uint32_t BackendIdOf(HWND window) {
    const WindowRecord* record = FindWindowRecord(window);
    return record == nullptr ? 0 : record->backend->Id();
}

HWND WindowOfBackendId(uint32_t id) {
    for (const auto& entry : g_windows) {
        if (entry.second.backend->Id() == id) {
            return entry.first;
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
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr) {
        return 0;
    }
    const WNDPROC procedure = record->procedure;
    return procedure(window, message, wParam, lParam);
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
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRect(&frame, style, FALSE);
    const int clientWidth = std::max(width - (int)(frame.right - frame.left), 1);
    const int clientHeight = std::max(height - (int)(frame.bottom - frame.top), 1);
    const std::string title = Utf8FromAnsi(windowName == nullptr ? "" : windowName);
    std::unique_ptr<WindowBackend> backend = CreateWindowBackend(
        title, x - (int)frame.left, y - (int)frame.top, clientWidth, clientHeight);
    if (backend == nullptr) {
        return nullptr;
    }
    HWND window = reinterpret_cast<HWND>(++g_handleCount);
    g_windows[window] = WindowRecord{std::move(backend), windowClass->second, false};
    PortLogInfo("win32: window \"%s\" %d x %d, client area %d x %d", title.c_str(), width, height,
                clientWidth, clientHeight);
    return window;
}

BOOL WINAPI ShowWindow(HWND window, int showCommand) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = record->backend->Visible();
    if (showCommand == SW_HIDE) {
        record->backend->Hide();
    } else {
        record->backend->Show(showCommand);
    }
    return wasVisible;
}

// What the host shows is hidden, not destroyed: the Direct3D stand-in may still hold it for a
// device that the program releases only after its window has gone, as it does when the window is
// closed. It lasts, hidden, until the process ends; the record and its backend object go at once.
BOOL WINAPI DestroyWindow(HWND window) {
    WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || record->destroying) {
        return FALSE;
    }
    record->destroying = true;
    record->backend->Hide();
    SendToWindow(window, WM_DESTROY, 0, 0);
    g_windows.erase(window);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND window, RECT* rect) {
    const WindowRecord* record = FindWindowRecord(window);
    if (record == nullptr || rect == nullptr) {
        return FALSE;
    }
    int width = 0;
    int height = 0;
    record->backend->ClientSize(&width, &height);
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
