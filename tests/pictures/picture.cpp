#include "picture.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

Rgb Picture::At(int x, int y) const {
    const uint8_t* pixel = &rgb[((size_t)y * width + x) * 3];
    return {pixel[0], pixel[1], pixel[2]};
}

bool LoadPng(const std::string& path, Picture* picture) {
    int channels = 0;
    uint8_t* pixels = stbi_load(path.c_str(), &picture->width, &picture->height, &channels, 3);
    if (pixels == nullptr) {
        return false;
    }
    picture->rgb.assign(pixels, pixels + (size_t)picture->width * picture->height * 3);
    stbi_image_free(pixels);
    return true;
}

bool SavePng(const std::string& path, const Picture& picture) {
    return stbi_write_png(path.c_str(), picture.width, picture.height, 3, picture.rgb.data(),
                          picture.width * 3) != 0;
}

namespace {

int ChannelDistance(Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

std::string Describe(Rgb colour) {
    std::ostringstream text;
    text << "(" << colour.r << ", " << colour.g << ", " << colour.b << ")";
    return text.str();
}

Picture SideBySide(const Picture& left, const Picture& right) {
    Picture both;
    both.width = left.width + right.width;
    both.height = std::max(left.height, right.height);
    both.rgb.assign((size_t)both.width * both.height * 3, 0);
    for (int y = 0; y < both.height; ++y) {
        uint8_t* row = &both.rgb[(size_t)y * both.width * 3];
        if (y < left.height) {
            std::copy_n(&left.rgb[(size_t)y * left.width * 3], left.width * 3, row);
        }
        if (y < right.height) {
            std::copy_n(&right.rgb[(size_t)y * right.width * 3], right.width * 3,
                        row + left.width * 3);
        }
    }
    return both;
}

} // namespace

testing::AssertionResult PixelNear(const Picture& picture, int x, int y, Rgb expected,
                                   int tolerance) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) {
        return testing::AssertionFailure() << "(" << x << ", " << y << ") lies outside the "
                                           << picture.width << "x" << picture.height << " picture";
    }
    const Rgb found = picture.At(x, y);
    if (ChannelDistance(found, expected) > tolerance) {
        return testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is " << Describe(found) << ", expected "
               << Describe(expected) << " within " << tolerance;
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult PicturesAgree(const Picture& actual, const Picture& expected,
                                       int tolerance, int outlierBudget,
                                       const std::string& failurePath) {
    if (actual.width != expected.width || actual.height != expected.height) {
        SavePng(failurePath, SideBySide(actual, expected));
        return testing::AssertionFailure()
               << "size " << actual.width << "x" << actual.height << ", expected " << expected.width
               << "x" << expected.height << "; wrote " << failurePath;
    }
    int outliers = 0;
    int worst = 0;
    int worstX = 0;
    int worstY = 0;
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            const int distance = ChannelDistance(actual.At(x, y), expected.At(x, y));
            outliers += distance > tolerance ? 1 : 0;
            if (distance > worst) {
                worst = distance;
                worstX = x;
                worstY = y;
            }
        }
    }
    if (outliers > outlierBudget) {
        SavePng(failurePath, SideBySide(actual, expected));
        return testing::AssertionFailure()
               << outliers << " pixels differ by more than " << tolerance << " (budget "
               << outlierBudget << "); worst at (" << worstX << ", " << worstY
               << "): " << Describe(actual.At(worstX, worstY)) << " for "
               << Describe(expected.At(worstX, worstY)) << "; actual | expected in " << failurePath;
    }
    return testing::AssertionSuccess();
}
