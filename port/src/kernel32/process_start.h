// When the current process started, as Linux records it. The stand-in's GetProcessTimes and the
// plain OpenGL benchmark both count their times from it, so their first-frame times compare.
#pragma once

#include <cstdint>

// The process's start in clock ticks (sysconf(_SC_CLK_TCK) a second) since boot; false when
// /proc/self/stat cannot be read or parsed.
bool ProcessStartSinceBoot(uint64_t* clockTicks);
