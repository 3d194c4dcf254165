// Measuring a JPEG stream's scans without decoding them.
#pragma once

#include <cstddef>
#include <cstdint>

struct JpegScanWork {
    int scans = 0;
    // The 8 x 8 blocks the scans visit, summed over the scans: each scan visits every block of
    // the components it codes, as libjpeg counts them (width_in_blocks x height_in_blocks).
    unsigned long long blockVisits = 0;
};

// Walks the stream's segments from the start-of-image marker to the end-of-image marker or the
// end of the bytes, reading the frame header's components and each scan's header. Nothing for
// bytes that do not start as a JPEG stream.
JpegScanWork MeasureJpegScans(const uint8_t* bytes, size_t size);
