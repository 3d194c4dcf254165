#include "recording_shell.h"

#include "call_text.h"
#include "recording_device.h"

#include "../../port/src/win32/text.h"

#include <cstdio>

extern "C" BOOL __real_PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

const ATOM RECORDED_ATOM = 0xC000;

CallLog& Log() {
    return InstalledPlatform().log;
}

std::string Text(LPCSTR text) {
    return text == nullptr ? "null" : text;
}

} // namespace

HWND RecordedWindow() {
    return reinterpret_cast<HWND>(0x100);
}

extern "C" ATOM __wrap_RegisterClassExA(const WNDCLASSEXA* c) {
    Log().Add("RegisterClassExA(cbSize=" + std::to_string(c->cbSize) +
              ", style=" + FlagsOf(c->style, {{0x2, "CS_HREDRAW"}, {0x1, "CS_VREDRAW"}}) +
              ", lpfnWndProc=" + Log().NameOf(reinterpret_cast<const void*>(c->lpfnWndProc)) +
              ", cbClsExtra=" + std::to_string(c->cbClsExtra) + ", cbWndExtra=" +
              std::to_string(c->cbWndExtra) + ", hInstance=" + Log().NameOf(c->hInstance) +
              ", hIcon=" + Log().NameOf(c->hIcon) + ", hCursor=" + Log().NameOf(c->hCursor) +
              ", hbrBackground=" + std::to_string(reinterpret_cast<uintptr_t>(c->hbrBackground)) +
              ", lpszMenuName=" + Text(c->lpszMenuName) + ", lpszClassName=" +
              Text(c->lpszClassName) + ", hIconSm=" + Log().NameOf(c->hIconSm) + ")");
    return RECORDED_ATOM;
}

extern "C" HWND __wrap_CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName,
                                       DWORD style, int x, int y, int width, int height,
                                       HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    Log().Name(RecordedWindow(), "window");
    Log().Add("CreateWindowExA(" +
              Join({Hex(exStyle), Text(className), Text(windowName),
                    NameOf(style, {{0x00CF0000, "WS_OVERLAPPEDWINDOW"}}), std::to_string(x),
                    std::to_string(y), std::to_string(width), std::to_string(height),
                    Log().NameOf(parent), Log().NameOf(menu), Log().NameOf(instance),
                    Log().NameOf(param)}) +
              ")");
    return RecordedWindow();
}

extern "C" BOOL __wrap_ShowWindow(HWND window, int showCommand) {
    Log().Add("ShowWindow(" + Join({Log().NameOf(window), std::to_string(showCommand)}) + ")");
    return FALSE;
}

extern "C" BOOL __wrap_SetCurrentDirectoryA(LPCSTR path) {
    Log().Add("SetCurrentDirectoryA(" + Text(path) + ")");
    return TRUE;
}

extern "C" BOOL __wrap_PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add("PostMessageA(" +
              Join({Log().NameOf(window),
                    NameOf(message, {{0x2, "WM_DESTROY"}, {0x10, "WM_CLOSE"}, {0x12, "WM_QUIT"}}),
                    std::to_string(wParam), std::to_string(lParam)}) +
              ")");
    return __real_PostMessageA(window, message, wParam, lParam);
}

extern "C" int __wrap_MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    Log().Add("MessageBoxW(" +
              Join({Log().NameOf(owner), Utf8FromWide(text), Utf8FromWide(caption),
                    FlagsOf(type, {{0x30, "MB_ICONWARNING"}})}) +
              ")");
    for (const std::string& call : Log().Texts()) {
        std::fprintf(stderr, "%s\n", call.c_str());
    }
    return IDOK;
}
