// Measuring scans from a stream's headers alone: a progressive frame of 8192 x 8192 whose
// luminance is sampled 2 x 2 and whose chroma are 1 x 1 (4:2:0), then scans over some of its
// components. Luminance has 1024 x 1024 blocks, each chroma component 512 x 512.
#include "jpeg_scans.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void AddSegment(std::vector<uint8_t>* stream, uint8_t code, const std::vector<uint8_t>& body) {
    const size_t length = body.size() + 2;
    stream->insert(stream->end(), {0xFF, code, (uint8_t)(length >> 8), (uint8_t)length});
    stream->insert(stream->end(), body.begin(), body.end());
}

// A scan header over the given component ids, then one byte of entropy-coded data holding a
// stuffed 0xFF.
void AddScan(std::vector<uint8_t>* stream, const std::vector<uint8_t>& components) {
    std::vector<uint8_t> body = {(uint8_t)components.size()};
    for (uint8_t id : components) {
        body.insert(body.end(), {id, 0x00});
    }
    body.insert(body.end(), {0, 63, 0});
    AddSegment(stream, 0xDA, body);
    stream->insert(stream->end(), {0x12, 0xFF, 0x00, 0x34});
}

} // namespace

TEST(JpegScans, CountsEachScansBlocksFromTheFrameHeader) {
    std::vector<uint8_t> stream = {0xFF, 0xD8};
    AddSegment(&stream, 0xC2, {8, 0x20, 0x00, 0x20, 0x00, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    AddScan(&stream, {1, 2, 3});
    for (int i = 0; i < 10; ++i) {
        AddScan(&stream, {1});
        AddScan(&stream, {3});
    }
    stream.insert(stream.end(), {0xFF, 0xD9});

    const JpegScanWork work = MeasureJpegScans(stream.data(), stream.size());
    EXPECT_EQ(work.scans, 21);
    const unsigned long long luma = 1024ULL * 1024;
    const unsigned long long chroma = 512ULL * 512;
    EXPECT_EQ(work.blockVisits, (luma + 2 * chroma) + 10 * (luma + chroma));
}

TEST(JpegScans, MeasuresNothingOfWhatIsNoJpegStream) {
    const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const JpegScanWork work = MeasureJpegScans(png.data(), png.size());
    EXPECT_EQ(work.scans, 0);
    EXPECT_EQ(work.blockVisits, 0u);
}
