// The spin clock and the spin matrix. The camera and the projection are checked where the device
// receives them (device_test, frame_test).
#include "camera.h"

#include "reference_math.h"

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
    EXPECT_TRUE(MatrixNear(Advance(1), SpinAfter(1), 1e-7));
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

} // namespace
