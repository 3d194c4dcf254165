// Informative lines of the stand-in on standard error, off unless PORT_LOG_LEVEL=info. Errors are
// not logged through this: they are always written.
#pragma once

// True when PORT_LOG_LEVEL is "info": for lines that cost something to make.
bool PortLogInfoWanted();

// Writes one line, formatted as by printf, when PORT_LOG_LEVEL is "info".
void PortLogInfo(const char* format, ...) __attribute__((format(printf, 1, 2)));
