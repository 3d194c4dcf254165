#include "x11_errors.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>

namespace {

XErrorHandler g_previous = nullptr;
bool g_installed = false;

// The X windows of the program's windows, and the first error about each not yet looked into.
std::set<XID> g_watched;
std::map<XID, XErrorEvent> g_unexplained;
// Windows that another client destroyed: errors about them are expected until the program lets
// them go.
std::set<XID> g_destroyed;
// The window X11WindowDestroyed is asking about, whose errors answer the question.
XID g_probed = 0;

int g_setupDepth = 0;
bool g_setupFailed = false;
XErrorEvent g_setupError = {};

// Xlib calls this for every X error; it may make no requests of the server. Returns nothing
// meaningful (Xlib ignores it) unless it hands the error on.
int OnXError(Display* display, XErrorEvent* error) {
    const XID about = error->resourceid;
    if (about != 0 && (about == g_probed || g_destroyed.count(about) != 0)) {
        return 0;
    }
    if (g_watched.count(about) != 0) {
        g_unexplained.emplace(about, *error);
        return 0;
    }
    if (g_setupDepth > 0) {
        if (!g_setupFailed) {
            g_setupError = *error;
            g_setupFailed = true;
        }
        return 0;
    }
    return g_previous != nullptr ? g_previous(display, error) : 0;
}

// The display and X window behind an SDL window, when it is an X11 window.
bool X11WindowOf(SDL_Window* window, Display** display, Window* x11Window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) ||
        info.subsystem != SDL_SYSWM_X11) {
        return false;
    }
    *display = info.info.x11.display;
    *x11Window = info.info.x11.window;
    return true;
}

} // namespace

void CatchX11Errors() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (g_installed || driver == nullptr || std::strcmp(driver, "x11") != 0) {
        return;
    }
    g_previous = XSetErrorHandler(OnXError);
    g_installed = true;
}

X11Setup::X11Setup() {
    ++g_setupDepth;
}

X11Setup::~X11Setup() {
    --g_setupDepth;
}

std::string X11SetupFailure(SDL_Window* window) {
    Display* display = nullptr;
    Window x11Window = 0;
    if (!g_installed || !X11WindowOf(window, &display, &x11Window)) {
        return std::string();
    }
    {
        const X11Setup answering;
        XSync(display, False);
    }
    if (!g_setupFailed) {
        return std::string();
    }
    char name[128] = "";
    XGetErrorText(display, g_setupError.error_code, name, sizeof(name));
    char text[256];
    std::snprintf(text, sizeof(text), "the X server refused request %d.%d: %s",
                  g_setupError.request_code, g_setupError.minor_code, name);
    return text;
}

void WatchX11Window(SDL_Window* window) {
    Display* display = nullptr;
    Window x11Window = 0;
    if (g_installed && X11WindowOf(window, &display, &x11Window)) {
        g_watched.insert(x11Window);
    }
}

bool X11WindowDestroyed(SDL_Window* window) {
    if (g_unexplained.empty() && g_destroyed.empty()) {
        return false;
    }
    Display* display = nullptr;
    Window x11Window = 0;
    if (!X11WindowOf(window, &display, &x11Window)) {
        return false;
    }
    if (g_destroyed.count(x11Window) != 0) {
        return true;
    }
    const auto unexplained = g_unexplained.find(x11Window);
    if (unexplained == g_unexplained.end()) {
        return false;
    }
    XErrorEvent error = unexplained->second;
    g_unexplained.erase(unexplained);
    // Only an X window that exists has attributes.
    g_probed = x11Window;
    XWindowAttributes attributes;
    const Status exists = XGetWindowAttributes(display, x11Window, &attributes);
    g_probed = 0;
    if (exists) {
        if (g_previous != nullptr) {
            g_previous(display, &error);
        }
        return false;
    }
    g_watched.erase(x11Window);
    g_destroyed.insert(x11Window);
    return true;
}
