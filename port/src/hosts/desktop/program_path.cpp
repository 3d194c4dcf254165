// _get_pgmptr on Linux: the executable's path from /proc/self/exe, with Windows' separators.
#include <windows.h>

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

// The executable's path, read once: the file a symbolic link to it points to, with '\' for '/'.
// Empty when it cannot be read, or when a name in it holds a '\' of its own: that path would read
// as another one, and lead to another folder.
char g_programPath[PATH_MAX + 1];
errno_t g_programPathError = -1;

errno_t ReadProgramPath() {
    const ssize_t length = readlink("/proc/self/exe", g_programPath, PATH_MAX);
    if (length < 0) {
        g_programPath[0] = '\0';
        return errno;
    }
    g_programPath[length] = '\0';
    if (std::strchr(g_programPath, '\\') != nullptr) {
        g_programPath[0] = '\0';
        return EINVAL;
    }
    for (char* c = g_programPath; *c != '\0'; ++c) {
        if (*c == '/') {
            *c = '\\';
        }
    }
    return 0;
}

} // namespace

errno_t _get_pgmptr(char** path) {
    if (path == nullptr) {
        return EINVAL;
    }
    if (g_programPathError == -1) {
        g_programPathError = ReadProgramPath();
    }
    *path = g_programPath;
    return g_programPathError;
}
