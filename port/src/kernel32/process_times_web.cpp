// Process times in a page: the process starts when the page's navigation does (the performance
// clock's origin), and the wall clock is that origin plus the performance clock, both as FILETIME
// counts of 100 ns since 1601. The browser does not say how much processor time the page used:
// the kernel and user times are 0.
#include "file_time.h"

#include <windows.h>

#include <emscripten.h>

#include <cstdint>

namespace {

const double TICKS_PER_MILLISECOND = 10000.0;

FILETIME FileTimeOfUnixMilliseconds(double milliseconds) {
    return FileTimeOf(UNIX_EPOCH_TICKS + (uint64_t)(milliseconds * TICKS_PER_MILLISECOND));
}

} // namespace

EM_JS(double, port_web_time_origin, (), { return performance.timeOrigin; });
EM_JS(double, port_web_time_now, (), { return performance.timeOrigin + performance.now(); });

HANDLE WINAPI GetCurrentProcess() {
    return CURRENT_PROCESS;
}

BOOL WINAPI GetProcessTimes(HANDLE process, FILETIME* creationTime, FILETIME* exitTime,
                            FILETIME* kernelTime, FILETIME* userTime) {
    if (process != CURRENT_PROCESS || creationTime == nullptr || exitTime == nullptr ||
        kernelTime == nullptr || userTime == nullptr) {
        return FALSE;
    }
    *creationTime = FileTimeOfUnixMilliseconds(port_web_time_origin());
    *exitTime = FileTimeOf(0);
    *kernelTime = FileTimeOf(0);
    *userTime = FileTimeOf(0);
    return TRUE;
}

void WINAPI GetSystemTimeAsFileTime(FILETIME* systemTimeAsFileTime) {
    *systemTimeAsFileTime = FileTimeOfUnixMilliseconds(port_web_time_now());
}
