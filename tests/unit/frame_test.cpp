// One frame of boxring, call by call, and getting a lost device back.
#include "frame.h"

#include "camera.h"
#include "device.h"
#include "device_loss.h"
#include "lighting.h"
#include "first_spin.h"
#include "recording_device.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        g_angle = 0.0f;
        g_deviceLost = false;
        InitDirect3D(NULL);
        InitLight();
        platform.log.calls.clear();
    }
    void TearDown() override {
        g_angle = 0.0f;
        g_deviceLost = false;
    }

    RecordingPlatform platform;
};

std::vector<std::string> FrameCalls() {
    std::vector<std::string> calls = {
        "Clear(0, null, 1, 0xff000050, 1, 0)",
        "Clear(0, null, 2, 0xff000000, 1, 0)",
        "BeginScene()",
        "SetTransform(2)",
        "SetFVF(0x12)",
        "SetStreamSource(0, vb, 0, 24)",
        "SetIndices(ib)",
    };
    for (int box = 0; box < 8; ++box) {
        calls.insert(calls.end(), {"SetTransform(256)", "SetMaterial()", "SetRenderState(146, 0)",
                                   "DrawIndexedPrimitive(4, 0, 0, 24, 0, 12)"});
    }
    calls.insert(calls.end(), {"EndScene()", "Present(null, null, null, null)"});
    return calls;
}

TEST_F(Frame, DrawsEightBoxesOnTheTumblingRingRedTowardsYellow) {
    RenderFrame();
    ASSERT_EQ(platform.log.Texts(), FrameCalls());

    const Rotation spin = FirstFrameSpin();
    for (int box = 0; box < 8; ++box) {
        const RecordedCall& world = platform.log.calls[7 + 4 * box];
        const RecordedCall& material = platform.log.calls[8 + 4 * box];
        // The box's centre: out to radius 4, swung round Y by box * pi/4, then tumbled.
        const double angle = box * M_PI / 4.0;
        const double centre[3] = {4.0 * std::cos(angle), 0.0, -4.0 * std::sin(angle)};
        for (int axis = 0; axis < 3; ++axis) {
            const double expected = centre[0] * spin.m[0][axis] + centre[2] * spin.m[2][axis];
            EXPECT_NEAR(world.matrix.m[3][axis], expected, 1e-5) << "box " << box;
        }
        EXPECT_EQ(material.material.Diffuse.r, 1.0f);
        EXPECT_EQ(material.material.Diffuse.g, box * 0.125f);
        EXPECT_EQ(material.material.Diffuse.b, 0.0f);
    }
}

TEST_F(Frame, ViewIsTheFixedCamera) {
    RenderFrame();
    const D3DXMATRIX view = ComputeViewMatrix();
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(platform.log.calls[3].matrix.m[i / 4][i % 4], view.m[i / 4][i % 4]);
    }
}

TEST_F(Frame, LostDeviceSkipsDrawingUntilItIsResetWithEveryStateAgain) {
    platform.device.presentResult = D3DERR_DEVICELOST;
    RenderFrame();
    EXPECT_TRUE(g_deviceLost);
    EXPECT_EQ(g_angle, 0.015f);

    // Still lost: nothing is drawn and the spin does not move.
    platform.device.presentResult = D3D_OK;
    platform.device.cooperativeLevel = D3DERR_DEVICELOST;
    platform.log.calls.clear();
    RenderFrame();
    EXPECT_EQ(platform.log.Texts(), std::vector<std::string>{"TestCooperativeLevel()"});
    EXPECT_EQ(g_angle, 0.015f);

    // A failed reset leaves it lost.
    platform.device.cooperativeLevel = D3DERR_DEVICENOTRESET;
    platform.device.resetResult = D3DERR_DEVICELOST;
    platform.log.calls.clear();
    RenderFrame();
    EXPECT_EQ(platform.log.Texts(),
              (std::vector<std::string>{"TestCooperativeLevel()", "Reset()"}));
    EXPECT_TRUE(g_deviceLost);

    // Once reset, the fixed states and the light are set again before the frame is drawn.
    platform.device.resetResult = D3D_OK;
    platform.log.calls.clear();
    RenderFrame();
    std::vector<std::string> expected = {
        "TestCooperativeLevel()",
        "Reset()",
        "SetRenderState(22, 1)",
        "SetRenderState(7, 1)",
        "SetTransform(3)",
        "SetRenderState(137, 1)",
        "SetLight(0)",
        "LightEnable(0, 1)",
        "SetRenderState(29, 1)",
    };
    const std::vector<std::string> frame = FrameCalls();
    expected.insert(expected.end(), frame.begin(), frame.end());
    EXPECT_EQ(platform.log.Texts(), expected);
    EXPECT_FALSE(g_deviceLost);
    EXPECT_EQ(g_angle, 0.015f + 0.015f);
}

// A device that can neither be used nor reset (the driver failed, or the memory ran out) ends the
// program with a message and exit code 1 instead of a window that never draws again.
TEST(FrameDeathTest, AFailureThatWaitingCannotMendEndsWithAMessageAndExitCodeOne) {
    const char* message = "Info.*B\xc5\x82\xc4\x85"
                          "d inicjalizacji Direct3D!";
    const HRESULT failures[][2] = {
        {D3DERR_DEVICENOTRESET, D3DERR_OUTOFVIDEOMEMORY},
        {D3DERR_DEVICENOTRESET, D3DERR_INVALIDCALL},
        {D3DERR_NOTAVAILABLE, D3D_OK},
    };
    for (const auto& failure : failures) {
        RecordingPlatform platform;
        InitDirect3D(NULL);
        g_deviceLost = true;
        platform.device.cooperativeLevel = failure[0];
        platform.device.resetResult = failure[1];
        EXPECT_EXIT(
            {
                unsetenv("DISPLAY");
                setenv("SDL_VIDEODRIVER", "dummy", 1);
                RenderFrame();
            },
            ::testing::ExitedWithCode(1), message);
        g_deviceLost = false;
    }
}

} // namespace
