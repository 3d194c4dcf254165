// Device setup and teardown, through the recording platform.
#include "direct3d_setup.h"

#include "cube_reference.h"
#include "expected_calls.h"
#include "recording_device.h"
#include "reference_math.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

HWND TestWindow() {
    return reinterpret_cast<HWND>(0x1234);
}

TEST(Device, InitDirect3DCreatesTheDeviceUploadsTheMeshAndSetsFixedStates) {
    RecordingPlatform platform;
    platform.log.Name(TestWindow(), "window");
    InitDirect3D(TestWindow());

    ASSERT_EQ(platform.log.Texts(), InitDirect3DCalls("window", 576, "D3DFVF_XYZ | D3DFVF_NORMAL"));
    EXPECT_TRUE(BuffersHoldTheCube(platform.device, 24));
    EXPECT_TRUE(MatrixNear(platform.log.calls.back().matrix, CameraProjection(), 1e-6));

    D3DPRESENT_PARAMETERS expected;
    std::memset(&expected, 0, sizeof(expected));
    expected.Windowed = TRUE;
    expected.SwapEffect = D3DSWAPEFFECT_DISCARD;
    expected.hDeviceWindow = TestWindow();
    expected.EnableAutoDepthStencil = TRUE;
    expected.AutoDepthStencilFormat = D3DFMT_D16;
    EXPECT_EQ(0, std::memcmp(&platform.direct3d.presentParameters, &expected, sizeof(expected)));
}

TEST(Device, CleanDirect3DReleasesEachObjectOnceChildrenFirst) {
    RecordingPlatform platform;
    InitDirect3D(TestWindow());
    platform.log.calls.clear();
    CleanDirect3D();

    EXPECT_EQ(platform.log.Texts(),
              (std::vector<std::string>{"Release(ib)", "Release(vb)", "Release(device)",
                                        "Release(direct3d)"}));
    ASSERT_NE(platform.device.vertexBuffer, nullptr);
    ASSERT_NE(platform.device.indexBuffer, nullptr);
    EXPECT_EQ(platform.device.vertexBuffer->references, 0u);
    EXPECT_EQ(platform.device.indexBuffer->references, 0u);
    EXPECT_EQ(platform.device.references, 0u);
    EXPECT_EQ(platform.direct3d.references, 0u);
}

// A failed creation ends the program with a warning box and exit code 1 instead of going on
// with a missing object.
TEST(DeviceDeathTest, FailedCreationEndsWithAMessageAndExitCodeOne) {
    const char* box = "MessageBoxW\\(window, B\xc5\x82\xc4\x85"
                      "d inicjalizacji Direct3D!, Info, MB_ICONWARNING\\)\n$";
    for (int failing = 0; failing < 3; ++failing) {
        RecordingPlatform platform;
        platform.log.Name(TestWindow(), "window");
        platform.createFails = failing == 0;
        platform.direct3d.createDeviceResult = failing == 1 ? D3DERR_NOTAVAILABLE : D3D_OK;
        platform.device.createResult = failing == 2 ? D3DERR_OUTOFVIDEOMEMORY : D3D_OK;
        EXPECT_EXIT(InitDirect3D(TestWindow()), ::testing::ExitedWithCode(1), box) << failing;
    }
}

} // namespace
