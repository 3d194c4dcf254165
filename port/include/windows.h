// Stand-in for the Win32 API on hosts without it.
//
// Implements: the handful of types, records, constants and functions that boxring, texcross and
// their tools use: window classes and windows, one message queue, the asynchronous key state,
// message boxes, the working directory, and the two runtime helpers (_get_pgmptr, strcpy_s) that
// the host's C library lacks. Windows live on SDL2 on the desktop and in the page in a browser
// (port/src/hosts/desktop, port/src/hosts/web).
// Leaves out: everything else, including Unicode window functions and GDI.
// Knowingly differs: types have the widths of 32-bit Windows (LONG is int32_t, never long), while
// handles and pointer-sized integers follow the host's pointer size; calling-convention macros are
// empty; a window's client area is its outer size less a fixed frame (see AdjustWindowRect).
// Closing and resizing a window post WM_CLOSE and WM_SIZE where Windows sends them, which makes no
// difference to a loop that dispatches every message. GetAsyncKeyState reads the X server's keymap,
// so it sees keys whatever window has focus; where SDL runs without X11 (Wayland) it falls back to
// SDL's keyboard state, which only follows keys while one of the process's windows has focus.
// In a browser GetAsyncKeyState sees only the keys the page gets while it has focus, Sleep and
// MessageBox yield to the page while they wait, and _get_pgmptr names the program's path in the
// page's virtual file system.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int32_t BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int32_t INT;
typedef uint32_t UINT;
typedef int16_t SHORT;
typedef float FLOAT;
typedef char CHAR;
typedef wchar_t WCHAR;
typedef int32_t HRESULT;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t DWORD_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef WORD ATOM;
typedef void* LPVOID;
typedef void* HANDLE;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef const wchar_t* LPCWSTR;
typedef int errno_t;

struct HWND__;
struct HINSTANCE__;
struct HICON__;
struct HBRUSH__;
struct HMENU__;
typedef HWND__* HWND;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef HICON__* HICON;
typedef HICON HCURSOR;
typedef HBRUSH__* HBRUSH;
typedef HMENU__* HMENU;

#define TRUE 1
#define FALSE 0

#define S_OK ((HRESULT)0)
#define E_OUTOFMEMORY ((HRESULT)0x8007000EL)
#define E_INVALIDARG ((HRESULT)0x80070057L)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

#define MAX_PATH 260

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct POINT {
    LONG x;
    LONG y;
};

// A time in 100-nanosecond units since 1 January 1601 (UTC), split in two halves.
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};

#define MAKEINTRESOURCEA(i) ((LPSTR)(ULONG_PTR)((WORD)(i)))
#define IDC_ARROW MAKEINTRESOURCEA(32512)

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define COLOR_WINDOW 5

#define WS_OVERLAPPED 0x00000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW 0x00CF0000L

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SIZE 0x0005
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101

#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1
#define SIZE_MAXIMIZED 2

#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xFFFF))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xFFFF))
#define MAKELPARAM(low, high) ((LPARAM)(DWORD)(((WORD)(low)) | (((DWORD)(WORD)(high)) << 16)))

// Virtual keys. Letters and digits are their upper-case ASCII codes ('A' to 'Z', '0' to '9').
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28

#define MB_OK 0x00000000L
#define MB_ICONWARNING 0x00000030L
#define IDOK 1

// The functions have C linkage, as Windows' own do.
extern "C" {

// Window classes and windows.
ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass);
HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param);
BOOL WINAPI ShowWindow(HWND window, int showCommand);
BOOL WINAPI DestroyWindow(HWND window);
BOOL WINAPI GetClientRect(HWND window, RECT* rect);
// Grows a client rectangle by the frame of Windows 10's overlapped window at 96 DPI, whatever the
// style: 8 pixels left, right and bottom, 31 at the top. A 640 x 480 window has a 624 x 441 client.
BOOL WINAPI AdjustWindowRect(RECT* rect, DWORD style, BOOL menu);
HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR cursorName);
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);

// Messages.
BOOL WINAPI PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg);
BOOL WINAPI TranslateMessage(const MSG* msg);
LRESULT WINAPI DispatchMessageA(const MSG* msg);
BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void WINAPI PostQuitMessage(int exitCode);
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Input, dialogs, process.
SHORT WINAPI GetAsyncKeyState(int virtualKey);
// A warning box with one OK button; the text is also written to stderr as "caption: text". The A
// variant reads its strings as UTF-8, the W variant as UTF-32 (wchar_t is 32 bits here).
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
// Accepts both '\\' and '/' as separators.
BOOL WINAPI SetCurrentDirectoryA(LPCSTR path);
void WINAPI Sleep(DWORD milliseconds);

// Process times, for measuring from the process's start. GetProcessTimes knows only the current
// process; on Linux its creation time has the kernel's clock-tick resolution (10 ms).
HANDLE WINAPI GetCurrentProcess();
BOOL WINAPI GetProcessTimes(HANDLE process, FILETIME* creationTime, FILETIME* exitTime,
                            FILETIME* kernelTime, FILETIME* userTime);
void WINAPI GetSystemTimeAsFileTime(FILETIME* systemTimeAsFileTime);

// Runtime helpers that Windows' C library has and the host's lacks.
// The executable's full path with '\\' separators (of the file a symbolic link points to); EINVAL
// and an empty path where a name in it holds a '\\' of its own.
errno_t _get_pgmptr(char** path);
// On a source that does not fit, writes an empty string and returns ERANGE instead of aborting.
errno_t strcpy_s(char* destination, size_t size, const char* source);

// The program's entry; the stand-in's main() calls it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

} // extern "C"
