// texcross-capture, run as a user would: its frames against the golden pictures, and each cube of
// the cross wearing its own image.
#include "capture_run.h"

#include <algorithm>

namespace {

struct Region {
    const char* cube;
    int x;
    int y;
};

// The share of pixels in the 40 x 40 square around (x, y) whose colour leans the given way,
// leaving out the digits' white and the outlines' black.
double ShareOfHue(const Picture& picture, int x, int y, bool (*leans)(Rgb)) {
    int coloured = 0;
    int matching = 0;
    for (int dy = -20; dy < 20; ++dy) {
        for (int dx = -20; dx < 20; ++dx) {
            const Rgb pixel = picture.At(x + dx, y + dy);
            const int lightest = std::max({pixel.r, pixel.g, pixel.b});
            const int darkest = std::min({pixel.r, pixel.g, pixel.b});
            if (lightest - darkest < 40) {
                continue;
            }
            ++coloured;
            matching += leans(pixel) ? 1 : 0;
        }
    }
    return coloured == 0 ? 0.0 : (double)matching / coloured;
}

bool Red(Rgb p) {
    return p.r > p.g + 40 && p.r > p.b + 40;
}
bool Green(Rgb p) {
    return p.g > p.r + 40 && p.g > p.b + 20;
}
bool Blue(Rgb p) {
    return p.b > p.r + 40 && p.b > p.g + 40;
}
bool Yellow(Rgb p) {
    return p.r > p.b + 60 && p.g > p.b + 40;
}
bool Purple(Rgb p) {
    return p.r > p.g + 30 && p.b > p.g + 30;
}

} // namespace

TEST(TexcrossPictures, Frame1MatchesGolden) {
    ExpectGolden(1);
}
TEST(TexcrossPictures, Frame100MatchesGolden) {
    ExpectGolden(100);
}
TEST(TexcrossPictures, Frame1000MatchesGolden) {
    ExpectGolden(1000);
}

// In frame 1 the cross still faces the camera: the centre cube wears tex0 (red), cube 1 at +X
// shows on the left (the camera looks down -Z, so +X is to its left) in tex1's green, cube 2 on
// the right in tex2's blue, cube 3 above in tex3's yellow, cube 4 below in tex4's purple.
TEST(TexcrossPictures, EachCubeWearsItsOwnImage) {
    const Picture frame = CaptureFrame(1);
    const struct {
        Region region;
        bool (*leans)(Rgb);
    } cubes[] = {
        {{"centre, tex0", 320, 250}, Red}, {{"+X, tex1", 160, 250}, Green},
        {{"-X, tex2", 480, 250}, Blue},    {{"+Y, tex3", 320, 70}, Yellow},
        {{"-Y, tex4", 320, 390}, Purple},
    };
    for (const auto& cube : cubes) {
        EXPECT_GT(ShareOfHue(frame, cube.region.x, cube.region.y, cube.leans), 0.9)
            << cube.region.cube;
    }
    EXPECT_TRUE(PixelNear(frame, 20, 20, {0, 0, 0x50}, 0));
}
