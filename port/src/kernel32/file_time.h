// FILETIME values as both hosts' process times give them: counts of 100 ns since 1 January 1601.
#pragma once

#include <windows.h>

#include <cstdint>

// The pseudo-handle Windows gives for the current process.
HANDLE const CURRENT_PROCESS = (HANDLE)(intptr_t)-1;

// From 1 January 1601 to 1 January 1970, in 100 ns ticks.
const uint64_t UNIX_EPOCH_TICKS = 116444736000000000ull;

inline FILETIME FileTimeOf(uint64_t ticks) {
    FILETIME time;
    time.dwLowDateTime = (DWORD)(ticks & 0xFFFFFFFFu);
    time.dwHighDateTime = (DWORD)(ticks >> 32);
    return time;
}
