// Device setup and teardown, through the recording platform.
#include "device.h"

#include "camera.h"
#include "mesh.h"
#include "recording_device.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

HWND TestWindow() {
    return reinterpret_cast<HWND>(0x1234);
}

TEST(Device, InitDirect3DCreatesTheDeviceUploadsTheMeshAndSetsFixedStates) {
    RecordingPlatform platform;
    platform.log.Name(TestWindow(), "window");
    InitDirect3D(TestWindow());

    EXPECT_EQ(platform.log.Texts(),
              (std::vector<std::string>{
                  "Direct3DCreate9(32)", "CreateDevice(0, 1, window, 0x20)",
                  "CreateVertexBuffer(576, 0, 0x12, 1, null)", "Lock(vb, 0, 0, 0)", "Unlock(vb)",
                  "CreateIndexBuffer(72, 0, 101, 1, null)", "Lock(ib, 0, 0, 0)", "Unlock(ib)",
                  "SetRenderState(22, 1)", "SetRenderState(7, 1)", "SetTransform(3)"}));

    const D3DXMATRIX projection = ComputeProjectionMatrix();
    EXPECT_EQ(0, std::memcmp(&platform.log.calls.back().matrix, &projection, sizeof(projection)));

    D3DPRESENT_PARAMETERS expected;
    std::memset(&expected, 0, sizeof(expected));
    expected.Windowed = TRUE;
    expected.SwapEffect = D3DSWAPEFFECT_DISCARD;
    expected.hDeviceWindow = TestWindow();
    expected.EnableAutoDepthStencil = TRUE;
    expected.AutoDepthStencilFormat = D3DFMT_D16;
    EXPECT_EQ(0, std::memcmp(&platform.direct3d.presentParameters, &expected, sizeof(expected)));

    LitVertex vertices[CUBE_VERTEX_COUNT];
    WriteCubeVertices(vertices, sizeof(LitVertex));
    ASSERT_EQ(platform.device.vertexBuffer->bytes.size(), sizeof(vertices));
    EXPECT_EQ(0,
              std::memcmp(platform.device.vertexBuffer->bytes.data(), vertices, sizeof(vertices)));
    ASSERT_EQ(platform.device.indexBuffer->bytes.size(), sizeof(g_cubeIndices));
    EXPECT_EQ(0, std::memcmp(platform.device.indexBuffer->bytes.data(), g_cubeIndices,
                             sizeof(g_cubeIndices)));
}

TEST(Device, CleanDirect3DReleasesEachObjectOnceChildrenFirst) {
    RecordingPlatform platform;
    InitDirect3D(TestWindow());
    platform.log.calls.clear();
    CleanDirect3D();

    EXPECT_EQ(platform.log.Texts(),
              (std::vector<std::string>{"Release(ib)", "Release(vb)", "Release(device)",
                                        "Release(direct3d)"}));
    EXPECT_EQ(platform.device.vertexBuffer->references, 0u);
    EXPECT_EQ(platform.device.indexBuffer->references, 0u);
    EXPECT_EQ(platform.device.references, 0u);
    EXPECT_EQ(platform.direct3d.references, 0u);
}

// A failed creation ends the program with a message and exit code 1 instead of going on with a
// missing object. The message box falls back to standard error where no display can show it.
void InitWithoutDisplay(RecordingPlatform& platform) {
    unsetenv("DISPLAY");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    InitDirect3D(TestWindow());
    platform.log.Add("went on");
}

TEST(DeviceDeathTest, FailedCreationEndsWithAMessageAndExitCodeOne) {
    const char* message = "Info.*B\xc5\x82\xc4\x85"
                          "d inicjalizacji Direct3D!";
    {
        RecordingPlatform platform;
        platform.createFails = true;
        EXPECT_EXIT(InitWithoutDisplay(platform), ::testing::ExitedWithCode(1), message);
    }
    {
        RecordingPlatform platform;
        platform.direct3d.createDeviceResult = D3DERR_NOTAVAILABLE;
        EXPECT_EXIT(InitWithoutDisplay(platform), ::testing::ExitedWithCode(1), message);
    }
    {
        RecordingPlatform platform;
        platform.device.createResult = D3DERR_OUTOFVIDEOMEMORY;
        EXPECT_EXIT(InitWithoutDisplay(platform), ::testing::ExitedWithCode(1), message);
    }
}

} // namespace
