#include "jpeg_scans.h"

namespace {

const uint8_t MARKER = 0xFF;
const uint8_t START_OF_IMAGE = 0xD8;
const uint8_t END_OF_IMAGE = 0xD9;
const uint8_t START_OF_SCAN = 0xDA;
const uint8_t FIRST_RESTART = 0xD0;
const uint8_t LAST_RESTART = 0xD7;
const uint8_t TEMPORARY = 0x01;

bool IsRestart(uint8_t code) {
    return code >= FIRST_RESTART && code <= LAST_RESTART;
}

// The offset of the first marker after a scan's entropy-coded data starting at offset, or size
// when the data runs to the end. Inside the data a 0xFF byte is followed by 0 (a stuffed 0xFF) or
// by a restart marker.
size_t EndOfEntropyData(const uint8_t* bytes, size_t size, size_t offset) {
    while (offset < size) {
        if (bytes[offset] != MARKER) {
            ++offset;
        } else if (offset + 1 < size && (bytes[offset + 1] == 0 || IsRestart(bytes[offset + 1]))) {
            offset += 2;
        } else {
            return offset;
        }
    }
    return size;
}

} // namespace

int CountJpegScans(const uint8_t* bytes, size_t size) {
    if (size < 2 || bytes[0] != MARKER || bytes[1] != START_OF_IMAGE) {
        return 0;
    }
    int scans = 0;
    size_t offset = 2;
    while (offset < size && bytes[offset] == MARKER) {
        // Any number of 0xFF fill bytes may come before a marker's code.
        while (offset < size && bytes[offset] == MARKER) {
            ++offset;
        }
        if (offset >= size) {
            break;
        }
        const uint8_t code = bytes[offset++];
        if (code == END_OF_IMAGE) {
            break;
        }
        if (code == TEMPORARY || IsRestart(code)) {
            continue;
        }
        // A segment: a two-byte big-endian length that counts itself.
        if (offset + 2 > size) {
            break;
        }
        offset += (size_t)bytes[offset] << 8 | bytes[offset + 1];
        if (code == START_OF_SCAN) {
            ++scans;
            offset = EndOfEntropyData(bytes, size, offset);
        }
    }
    return scans;
}
