// Win32 calls logged to the installed recording platform's log (see recording_device.h), linked
// in place of the platform's with the linker's --wrap:
// - always: PostMessageA, which then posts as the platform does, and MessageBoxW, which shows
//   nothing, writes the whole log to standard error (so a test of a process that ends after the
//   box can match it) and returns IDOK;
// - with the recording_shell library also: RegisterClassExA, CreateWindowExA, ShowWindow and
//   SetCurrentDirectoryA, which only log. CreateWindowExA returns the handle below, named "window".
#pragma once

#include <windows.h>

HWND RecordedWindow();
