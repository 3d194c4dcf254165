// The spin clock and the spin matrix.
#include "camera.h"

#include "first_spin.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Spin : public ::testing::Test {
  protected:
    void SetUp() override { g_angle = 0.0f; }
    void TearDown() override { g_angle = 0.0f; }
};

D3DXMATRIX Advance(int frames) {
    D3DXMATRIX spin;
    for (int i = 0; i < frames; ++i) {
        spin = AdvanceSpin();
    }
    return spin;
}

TEST_F(Spin, AngleIsTheSumOfSinglePrecisionSteps) {
    Advance(1);
    EXPECT_EQ(g_angle, 0.015f);
    Advance(99);
    EXPECT_EQ(g_angle, 1.4999988f);
    Advance(900);
    EXPECT_EQ(g_angle, 15.000136f);
}

TEST_F(Spin, FirstFrameTiltsByAnEleventhAndTurnsByOneStep) {
    const D3DXMATRIX spin = Advance(1);

    const Rotation expected = FirstFrameSpin();
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const double value =
                row < 3 && column < 3 ? expected.m[row][column] : (row == column ? 1.0 : 0.0);
            EXPECT_NEAR(spin.m[row][column], value, 1e-7) << row << ", " << column;
        }
    }
}

TEST_F(Spin, WrapsAfterTwentyTwoPiWithoutAJump) {
    const float period = 22.0f * (float)M_PI;
    float before = 0.0f;
    int frames = 0;
    while (g_angle >= before) {
        before = g_angle;
        AdvanceSpin();
        ++frames;
    }
    EXPECT_EQ(frames, 4608); // every frame before it is untouched
    EXPECT_NEAR(g_angle, before + 0.015f - period, 1e-5f);
    EXPECT_GE(g_angle, 0.0f);
}

TEST_F(Spin, KeepsMovingAfterAnyNumberOfFrames) {
    // Past the 16.8 million frames after which an unreduced float angle stands still.
    for (int i = 0; i < 17000000; ++i) {
        AdvanceSpin();
        ASSERT_LT(g_angle, 22.0f * (float)M_PI);
    }
    const float last = g_angle;
    const D3DXMATRIX before = AdvanceSpin();
    const D3DXMATRIX after = AdvanceSpin();
    EXPECT_NE(g_angle, last);
    EXPECT_NE(before._11, after._11);
}

TEST(Camera, ProjectionKeepsFourThirdsAndViewLooksAtTheScene) {
    const D3DXMATRIX projection = ComputeProjectionMatrix();
    EXPECT_FLOAT_EQ(projection._22 / projection._11, 4.0f / 3.0f);
    EXPECT_FLOAT_EQ(projection._22, 1.0f / std::tan((float)M_PI / 8.0f));

    // The world origin lies straight ahead of the camera, a little above the line of sight.
    const D3DXMATRIX view = ComputeViewMatrix();
    EXPECT_NEAR(view._41, 0.0f, 1e-6f);
    EXPECT_GT(view._43, 10.0f);
    EXPECT_GT(view._42, 0.0f);
}

} // namespace
