// Counting a JPEG file's scans without decoding it.
#pragma once

#include <cstddef>
#include <cstdint>

// The number of scans (start-of-scan markers) in the stream, walking its segments from the
// start-of-image marker to the end-of-image marker or the end of the bytes; 0 for bytes that do
// not start as a JPEG stream.
int CountJpegScans(const uint8_t* bytes, size_t size);
