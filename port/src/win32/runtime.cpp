// strcpy_s, one of the helpers of Windows' C library that the host's lacks.
#include <windows.h>

#include <cerrno>
#include <cstring>

errno_t strcpy_s(char* destination, size_t size, const char* source) {
    if (destination == nullptr || size == 0) {
        return EINVAL;
    }
    if (source == nullptr) {
        destination[0] = '\0';
        return EINVAL;
    }
    const size_t length = strnlen(source, size);
    if (length == size) {
        destination[0] = '\0';
        return ERANGE;
    }
    std::memcpy(destination, source, length + 1);
    return 0;
}
