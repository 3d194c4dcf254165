#include "port_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

bool PortLogInfoWanted() {
    static const bool wanted = [] {
        const char* level = std::getenv("PORT_LOG_LEVEL");
        return level != nullptr && std::strcmp(level, "info") == 0;
    }();
    return wanted;
}

void PortLogInfo(const char* format, ...) {
    if (!PortLogInfoWanted()) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
}
