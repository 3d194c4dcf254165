// The working directory and sleeping.
#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

BOOL WINAPI SetCurrentDirectoryA(LPCSTR path) {
    if (path == nullptr) {
        return FALSE;
    }
    std::string hostPath = path;
    std::replace(hostPath.begin(), hostPath.end(), '\\', '/');
    return chdir(hostPath.c_str()) == 0;
}

void WINAPI Sleep(DWORD milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
