// Sleeping yields to the browser for the time asked: the page keeps drawing and taking events
// while the program waits.
#include <windows.h>

#include <emscripten.h>

void WINAPI Sleep(DWORD milliseconds) {
    emscripten_sleep(milliseconds);
}
