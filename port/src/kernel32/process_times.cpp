// Process times on Linux: the start from /proc/self/stat, CPU times from getrusage, the wall
// clock from CLOCK_REALTIME, all as FILETIME counts of 100 ns since 1601.
#include "file_time.h"

#include <windows.h>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

const uint64_t TICKS_PER_SECOND = 10000000;

uint64_t TicksOf(const timespec& time) {
    return (uint64_t)time.tv_sec * TICKS_PER_SECOND + (uint64_t)time.tv_nsec / 100;
}

uint64_t TicksOf(const timeval& time) {
    return (uint64_t)time.tv_sec * TICKS_PER_SECOND + (uint64_t)time.tv_usec * 10;
}

// The process's start in clock ticks since boot: field 22 of /proc/self/stat, counted after the
// command name, which ends at the last ')' and may itself hold spaces.
bool StartSinceBoot(uint64_t* clockTicks) {
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

} // namespace

HANDLE WINAPI GetCurrentProcess() {
    return CURRENT_PROCESS;
}

BOOL WINAPI GetProcessTimes(HANDLE process, FILETIME* creationTime, FILETIME* exitTime,
                            FILETIME* kernelTime, FILETIME* userTime) {
    uint64_t startTicks = 0;
    if (process != CURRENT_PROCESS || creationTime == nullptr || exitTime == nullptr ||
        kernelTime == nullptr || userTime == nullptr || !StartSinceBoot(&startTicks)) {
        return FALSE;
    }
    timespec now;
    timespec sinceBoot;
    clock_gettime(CLOCK_REALTIME, &now);
    clock_gettime(CLOCK_BOOTTIME, &sinceBoot);
    const uint64_t bootTicks = TicksOf(now) - TicksOf(sinceBoot);
    const uint64_t startSinceBoot = startTicks * TICKS_PER_SECOND / (uint64_t)sysconf(_SC_CLK_TCK);
    *creationTime = FileTimeOf(UNIX_EPOCH_TICKS + bootTicks + startSinceBoot);
    *exitTime = FileTimeOf(0);
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    *kernelTime = FileTimeOf(TicksOf(usage.ru_stime));
    *userTime = FileTimeOf(TicksOf(usage.ru_utime));
    return TRUE;
}

void WINAPI GetSystemTimeAsFileTime(FILETIME* systemTimeAsFileTime) {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    *systemTimeAsFileTime = FileTimeOf(UNIX_EPOCH_TICKS + TicksOf(now));
}
