// One frame of boxring, call by call, and getting a lost device back.
#include "frame.h"

#include "camera.h"
#include "direct3d_setup.h"
#include "device_recovery.h"
#include "lighting.h"
#include "expected_calls.h"
#include "recording_device.h"
#include "reference_math.h"

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
        "Clear(0, null, D3DCLEAR_TARGET, 0xff000050, 1, 0)",
        "Clear(0, null, D3DCLEAR_ZBUFFER, 0xff000000, 1, 0)",
        "BeginScene()",
        "SetTransform(D3DTS_VIEW, matrix)",
        "SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL)",
        "SetStreamSource(0, vb, 0, 24)",
        "SetIndices(ib)",
    };
    for (int box = 0; box < 8; ++box) {
        calls.insert(calls.end(), {"SetTransform(D3DTS_WORLD, matrix)", "SetMaterial(material)",
                                   "SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL)",
                                   "DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 24, 0, 12)"});
    }
    calls.insert(calls.end(), {"EndScene()", "Present(null, null, null, null)"});
    return calls;
}

TEST_F(Frame, DrawsEightBoxesOnTheTumblingRingRedTowardsYellow) {
    RenderFrame();
    ASSERT_EQ(platform.log.Texts(), FrameCalls());
    EXPECT_TRUE(MatrixNear(platform.log.calls[3].matrix, CameraView(), 1e-6));

    for (int box = 0; box < 8; ++box) {
        const RecordedCall& world = platform.log.calls[7 + 4 * box];
        const RecordedCall& material = platform.log.calls[8 + 4 * box];
        // Out to radius 4, swung round Y by box * pi/4 (in single precision), then tumbled.
        const double angle = (float)box * (float)(M_PI / 4.0);
        const Matrix expected =
            Multiply(Multiply(Translation(4, 0, 0), RotationY(angle)), SpinAfter(1));
        EXPECT_TRUE(MatrixNear(world.matrix, expected, 1e-6)) << "box " << box;
        EXPECT_EQ(material.material.Diffuse.r, 1.0f);
        EXPECT_EQ(material.material.Diffuse.g, box * 0.125f);
        EXPECT_EQ(material.material.Diffuse.b, 0.0f);
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
    const std::vector<std::string> expected = Concat(
        {{"TestCooperativeLevel()", "Reset()"}, FixedStateCalls(), InitLightCalls(), FrameCalls()});
    EXPECT_EQ(platform.log.Texts(), expected);
    EXPECT_FALSE(g_deviceLost);
    EXPECT_EQ(g_angle, 0.015f + 0.015f);
}

// A device that can neither be used nor reset (the driver failed, or the memory ran out) ends the
// program with a message and exit code 1 instead of a window that never draws again.
TEST(FrameDeathTest, AFailureThatWaitingCannotMendEndsWithAMessageAndExitCodeOne) {
    const char* box = "MessageBoxW\\(null, B\xc5\x82\xc4\x85"
                      "d inicjalizacji Direct3D!, Info, MB_ICONWARNING\\)\n$";
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
        EXPECT_EXIT(RenderFrame(), ::testing::ExitedWithCode(1), box);
        g_deviceLost = false;
    }
}

} // namespace
