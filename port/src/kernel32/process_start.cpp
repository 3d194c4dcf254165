// The start is field 22 of /proc/self/stat, counted after the command name, which ends at the last
// ')' and may itself hold spaces.
#include "process_start.h"

#include <cstdio>
#include <cstring>

bool ProcessStartSinceBoot(uint64_t* clockTicks) {
    FILE* file = std::fopen("/proc/self/stat", "r");
    if (file == nullptr) {
        return false;
    }
    char line[1024];
    const bool read = std::fgets(line, sizeof(line), file) != nullptr;
    std::fclose(file);
    const char* afterName = read ? std::strrchr(line, ')') : nullptr;
    unsigned long long start = 0;
    // Fields 3 to 21 are skipped; %*s skips one field each.
    if (afterName == nullptr ||
        std::sscanf(afterName + 1,
                    " %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s %*s "
                    "%llu",
                    &start) != 1) {
        return false;
    }
    *clockTicks = start;
    return true;
}
