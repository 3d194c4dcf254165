// The working directory.
#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <string>

BOOL WINAPI SetCurrentDirectoryA(LPCSTR path) {
    if (path == nullptr) {
        return FALSE;
    }
    std::string hostPath = path;
    std::replace(hostPath.begin(), hostPath.end(), '\\', '/');
    return chdir(hostPath.c_str()) == 0;
}
