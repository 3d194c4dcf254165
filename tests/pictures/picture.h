// Pictures for the picture tests: 8-bit RGB images read from and written to PNG files, compared
// as Wine's visual tests compare them: samples with a per-channel tolerance, whole frames with a
// tolerance and a small budget of edge pixels that may differ more.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    int r;
    int g;
    int b;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // rows top first, 3 bytes a pixel

    Rgb At(int x, int y) const;
};

bool LoadPng(const std::string& path, Picture* picture);
bool SavePng(const std::string& path, const Picture& picture);

// The pixel at (x, y) is within tolerance of expected in every channel. Use through EXPECT_TRUE
// so that a failure names the caller's line and the colour found.
testing::AssertionResult PixelNear(const Picture& picture, int x, int y, Rgb expected,
                                   int tolerance);

// The pictures have the same size, and at most outlierBudget pixels differ from the expected
// by more than tolerance in some channel. On failure writes actual | expected side by side to
// failurePath.
testing::AssertionResult PicturesAgree(const Picture& actual, const Picture& expected,
                                       int tolerance, int outlierBudget,
                                       const std::string& failurePath);
