#include "jpeg_scans.h"

#include <algorithm>
#include <map>

namespace {

const uint8_t MARKER = 0xFF;
const uint8_t START_OF_IMAGE = 0xD8;
const uint8_t END_OF_IMAGE = 0xD9;
const uint8_t START_OF_SCAN = 0xDA;
const uint8_t FIRST_RESTART = 0xD0;
const uint8_t LAST_RESTART = 0xD7;
const uint8_t TEMPORARY = 0x01;
// Start-of-frame markers are 0xC0 to 0xCF, less DHT (0xC4), JPG (0xC8) and DAC (0xCC).
const uint8_t FIRST_FRAME = 0xC0;
const uint8_t LAST_FRAME = 0xCF;

bool IsFrame(uint8_t code) {
    return code >= FIRST_FRAME && code <= LAST_FRAME && code != 0xC4 && code != 0xC8 &&
           code != 0xCC;
}

unsigned CeilDivide(unsigned long long value, unsigned long long divisor) {
    return (unsigned)((value + divisor - 1) / divisor);
}

// Each component's blocks, by component id, from a frame header's body (after its length):
// precision, height, width, the component count, then id, sampling factors and table per
// component. A component's blocks cover ceil(side x its factor / the largest factor) pixels.
std::map<uint8_t, unsigned long long> ComponentBlocks(const uint8_t* body, size_t length) {
    std::map<uint8_t, unsigned long long> blocks;
    if (length < 6) {
        return blocks;
    }
    const unsigned height = (unsigned)body[1] << 8 | body[2];
    const unsigned width = (unsigned)body[3] << 8 | body[4];
    const size_t count = std::min<size_t>(body[5], (length - 6) / 3);
    unsigned maxH = 1;
    unsigned maxV = 1;
    for (size_t i = 0; i < count; ++i) {
        maxH = std::max(maxH, (unsigned)body[6 + i * 3 + 1] >> 4);
        maxV = std::max(maxV, (unsigned)body[6 + i * 3 + 1] & 0x0F);
    }
    for (size_t i = 0; i < count; ++i) {
        const unsigned h = body[6 + i * 3 + 1] >> 4;
        const unsigned v = body[6 + i * 3 + 1] & 0x0F;
        blocks[body[6 + i * 3]] =
            (unsigned long long)CeilDivide(CeilDivide((unsigned long long)width * h, maxH), 8) *
            CeilDivide(CeilDivide((unsigned long long)height * v, maxV), 8);
    }
    return blocks;
}

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

JpegScanWork MeasureJpegScans(const uint8_t* bytes, size_t size) {
    JpegScanWork work;
    if (size < 2 || bytes[0] != MARKER || bytes[1] != START_OF_IMAGE) {
        return work;
    }
    std::map<uint8_t, unsigned long long> blocks;
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
        const size_t length = (size_t)bytes[offset] << 8 | bytes[offset + 1];
        const size_t body = offset + 2;
        const size_t bodyLength = length < 2 ? 0 : std::min(length - 2, size - body);
        if (IsFrame(code)) {
            blocks = ComponentBlocks(bytes + body, bodyLength);
        }
        offset += length;
        if (code == START_OF_SCAN) {
            ++work.scans;
            // The scan header: the component count, then id and tables per component.
            const size_t count =
                bodyLength == 0 ? 0 : std::min<size_t>(bytes[body], (bodyLength - 1) / 2);
            for (size_t i = 0; i < count; ++i) {
                const auto component = blocks.find(bytes[body + 1 + i * 2]);
                if (component != blocks.end()) {
                    work.blockVisits += component->second;
                }
            }
            offset = EndOfEntropyData(bytes, size, offset);
        }
    }
    return work;
}
