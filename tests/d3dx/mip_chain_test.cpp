#include "mip_chain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Halves texels given rows packed, handing them over and taking them back with rows padded to a
// pitch of a texel more than they need, filled with a value no mean here gives, to show that
// each row starts at its pitch and the padding is neither read nor written.
std::vector<uint8_t> Halve(const std::vector<uint8_t>& texels, uint32_t width, uint32_t height) {
    const uint8_t padding = 77;
    const size_t pitch = ((size_t)width + 1) * 4;
    std::vector<uint8_t> source(pitch * height, padding);
    for (size_t row = 0; row < height; ++row) {
        std::copy_n(&texels[row * width * 4], width * 4, &source[row * pitch]);
    }
    const uint32_t nextWidth = NextMipSide(width);
    const uint32_t nextHeight = NextMipSide(height);
    const size_t nextPitch = ((size_t)nextWidth + 1) * 4;
    std::vector<uint8_t> destination(nextPitch * nextHeight, padding);
    HalveMipLevel(source.data(), pitch, width, height, destination.data(), nextPitch);
    std::vector<uint8_t> next;
    for (size_t row = 0; row < nextHeight; ++row) {
        const uint8_t* start = &destination[row * nextPitch];
        next.insert(next.end(), start, start + nextWidth * 4);
        EXPECT_EQ(std::vector<uint8_t>(4, padding),
                  std::vector<uint8_t>(start + nextWidth * 4, start + nextPitch))
            << "padding of row " << row;
    }
    return next;
}

} // namespace

// Each byte of a texel below is the mean of the texels above it, rounded half up; a side that
// is 1 already stays 1 and the mean is taken along the other side only.
TEST(MipChain, EachLevelIsTheRoundedBoxMeanOfTheOneAbove) {
    // 2 x 2 -> 1 x 1: bytes 0 + 1 + 2 + 3 = 6 -> 1.5 -> 2; 1 + 2 + 3 + 4 = 10 -> 2.5 -> 3.
    EXPECT_EQ(Halve({0, 10, 255, 1, 1, 10, 255, 2, 2, 10, 255, 3, 3, 10, 255, 4}, 2, 2),
              (std::vector<uint8_t>{2, 10, 255, 3}));
    // 4 x 1 -> 2 x 1: pairs along the row.
    EXPECT_EQ(Halve({0, 0, 0, 0, 255, 255, 255, 255, 10, 20, 30, 40, 11, 21, 31, 41}, 4, 1),
              (std::vector<uint8_t>{128, 128, 128, 128, 11, 21, 31, 41}));
    // 1 x 4 -> 1 x 2: pairs down the column.
    EXPECT_EQ(Halve({0, 0, 0, 0, 254, 254, 254, 254, 100, 0, 0, 0, 101, 0, 0, 0}, 1, 4),
              (std::vector<uint8_t>{127, 127, 127, 127, 101, 0, 0, 0}));
}

TEST(MipChain, ALevelTakesOnlyTheTexelsItCovers) {
    // 4 x 2, left half black, right half white: the 2 x 1 level keeps them apart.
    std::vector<uint8_t> texels;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            texels.insert(texels.end(), 4, x < 2 ? 0 : 255);
        }
    }
    EXPECT_EQ(Halve(texels, 4, 2), (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 255}));
    EXPECT_EQ(NextMipSide(256), 128u);
    EXPECT_EQ(NextMipSide(1), 1u);
}
