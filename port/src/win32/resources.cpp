// Module and cursor handles. Nothing is loaded: the handles only have to be non-null and stable.
#include <windows.h>

namespace {

// Stand-ins whose addresses serve as handles; the handle types are never looked into.
char g_module;
char g_arrowCursor;

} // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    return moduleName == nullptr ? reinterpret_cast<HMODULE>(&g_module) : nullptr;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR cursorName) {
    return instance == nullptr && cursorName == IDC_ARROW
               ? reinterpret_cast<HCURSOR>(&g_arrowCursor)
               : nullptr;
}
