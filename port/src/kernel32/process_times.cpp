// Process times on Linux: the start from /proc/self/stat (process_start.h), CPU times from
// getrusage, the wall clock from CLOCK_REALTIME, all as FILETIME counts of 100 ns since 1601.
#include "file_time.h"
#include "process_start.h"

#include <windows.h>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>

namespace {

const uint64_t TICKS_PER_SECOND = 10000000;

uint64_t TicksOf(const timespec& time) {
    return (uint64_t)time.tv_sec * TICKS_PER_SECOND + (uint64_t)time.tv_nsec / 100;
}

uint64_t TicksOf(const timeval& time) {
    return (uint64_t)time.tv_sec * TICKS_PER_SECOND + (uint64_t)time.tv_usec * 10;
}

} // namespace

HANDLE WINAPI GetCurrentProcess() {
    return CURRENT_PROCESS;
}

BOOL WINAPI GetProcessTimes(HANDLE process, FILETIME* creationTime, FILETIME* exitTime,
                            FILETIME* kernelTime, FILETIME* userTime) {
    uint64_t startTicks = 0;
    if (process != CURRENT_PROCESS || creationTime == nullptr || exitTime == nullptr ||
        kernelTime == nullptr || userTime == nullptr || !ProcessStartSinceBoot(&startTicks)) {
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
