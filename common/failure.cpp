#include "failure.h"

#include <stdlib.h>

void ExitWithMessage(HWND window, LPCWSTR text) {
    MessageBoxW(window, text, L"Info", MB_ICONWARNING);
    exit(1);
}
