// _get_pgmptr in the page: the program's path in the virtual file system, which the page names
// (its folder holds the files the page fetched for it), with Windows' separators.
#include "page_host.h"

#include <windows.h>

#include <cerrno>
#include <climits>

namespace {

char g_programPath[PATH_MAX + 1];

} // namespace

errno_t _get_pgmptr(char** path) {
    if (path == nullptr) {
        return EINVAL;
    }
    if (port_web_program_path(g_programPath, sizeof(g_programPath)) >= (int)sizeof(g_programPath)) {
        g_programPath[0] = '\0';
        *path = g_programPath;
        return ERANGE;
    }
    for (char* c = g_programPath; *c != '\0'; ++c) {
        if (*c == '/') {
            *c = '\\';
        }
    }
    *path = g_programPath;
    return 0;
}
