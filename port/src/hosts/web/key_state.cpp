// The asynchronous key state from the page's key events: a key is down from its keydown to its
// keyup, and every key is up once the page loses the focus (it sees no keyup then).
#include "page_host.h"

#include <windows.h>

#include <cstdint>

SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    // Bit 15 of the result: the key is down now.
    return port_web_key_down(virtualKey) != 0 ? INT16_MIN : 0;
}
