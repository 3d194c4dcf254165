// The asynchronous key state: whether a key is down at the moment of the call. On X11 it reads the
// server's keymap, which sees keys whatever window has focus. Where SDL runs without X11 (Wayland),
// it falls back to SDL's keyboard state, which only follows keys while one of our windows has
// focus.
#include "video.h"

#include <windows.h>

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstring>

namespace {

// Bit 15 of the result: the key is down now.
const SHORT KEY_DOWN = INT16_MIN;

struct HostKey {
    KeySym keysym;
    SDL_Scancode scancode;
};

// The host's names for a virtual key; false for keys without a mapping.
bool FindHostKey(int virtualKey, HostKey* key) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        const int index = virtualKey - 'A';
        *key = HostKey{static_cast<KeySym>(XK_a + index),
                       static_cast<SDL_Scancode>(SDL_SCANCODE_A + index)};
        return true;
    }
    if (virtualKey >= '0' && virtualKey <= '9') {
        // SDL numbers the digit keys as they lie on the keyboard, from 1 to 9 and then 0.
        const int index = virtualKey - '0';
        *key = HostKey{
            static_cast<KeySym>(XK_0 + index),
            static_cast<SDL_Scancode>(index == 0 ? SDL_SCANCODE_0 : SDL_SCANCODE_1 + index - 1)};
        return true;
    }
    switch (virtualKey) {
    case VK_RETURN:
        *key = HostKey{XK_Return, SDL_SCANCODE_RETURN};
        return true;
    case VK_ESCAPE:
        *key = HostKey{XK_Escape, SDL_SCANCODE_ESCAPE};
        return true;
    case VK_SPACE:
        *key = HostKey{XK_space, SDL_SCANCODE_SPACE};
        return true;
    case VK_LEFT:
        *key = HostKey{XK_Left, SDL_SCANCODE_LEFT};
        return true;
    case VK_UP:
        *key = HostKey{XK_Up, SDL_SCANCODE_UP};
        return true;
    case VK_RIGHT:
        *key = HostKey{XK_Right, SDL_SCANCODE_RIGHT};
        return true;
    case VK_DOWN:
        *key = HostKey{XK_Down, SDL_SCANCODE_DOWN};
        return true;
    default:
        return false;
    }
}

// The X server's keymap, through a connection of its own opened on first use.
class ServerKeymap {
  public:
    ServerKeymap() : display_(XOpenDisplay(nullptr)) {}
    ~ServerKeymap() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    ServerKeymap(const ServerKeymap&) = delete;
    ServerKeymap& operator=(const ServerKeymap&) = delete;

    bool Available() const { return display_ != nullptr; }

    bool IsDown(KeySym keysym) const {
        const KeyCode code = XKeysymToKeycode(display_, keysym);
        if (code == 0) {
            return false;
        }
        char keys[32];
        XQueryKeymap(display_, keys);
        return (keys[code / 8] & (1 << (code % 8))) != 0;
    }

  private:
    Display* display_;
};

const ServerKeymap& TheServerKeymap() {
    static const ServerKeymap keymap;
    return keymap;
}

// The X server is asked unless SDL already runs on another video driver.
bool UsesServerKeymap() {
    if (VideoStarted() && std::strcmp(SDL_GetCurrentVideoDriver(), "x11") != 0) {
        return false;
    }
    return TheServerKeymap().Available();
}

bool IsDownForSdl(SDL_Scancode scancode) {
    SDL_PumpEvents();
    return SDL_GetKeyboardState(nullptr)[scancode] != 0;
}

} // namespace

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    HostKey key;
    if (!FindHostKey(virtualKey, &key)) {
        return 0;
    }
    const bool down =
        UsesServerKeymap() ? TheServerKeymap().IsDown(key.keysym) : IsDownForSdl(key.scancode);
    return down ? KEY_DOWN : 0;
}
