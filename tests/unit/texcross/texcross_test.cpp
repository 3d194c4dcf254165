// texcross's texture set and cross scene, through the recording platform.
#include "camera.h"
#include "direct3d_setup.h"
#include "frame.h"
#include "lighting.h"
#include "program.h"
#include "first_spin.h"
#include "recording_device.h"
#include "texture_set.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

class Texcross : public ::testing::Test {
  protected:
    void SetUp() override {
        g_angle = 0.0f;
        InitDirect3D(NULL);
        InitLight();
        platform.log.calls.clear();
    }
    void TearDown() override { g_angle = 0.0f; }

    RecordingPlatform platform;
};

TEST_F(Texcross, LoadsTheFiveImagesInOrderThenSetsLinearFiltering) {
    LoadProgramResources(NULL);
    EXPECT_EQ(platform.log.Texts(), (std::vector<std::string>{
                                        "D3DXCreateTextureFromFileA(device, tex0.jpg)",
                                        "D3DXCreateTextureFromFileA(device, tex1.jpg)",
                                        "D3DXCreateTextureFromFileA(device, tex2.jpg)",
                                        "D3DXCreateTextureFromFileA(device, tex3.jpg)",
                                        "D3DXCreateTextureFromFileA(device, tex4.jpg)",
                                        "SetSamplerState(0, 6, 2)",
                                        "SetSamplerState(0, 5, 2)",
                                        "SetSamplerState(0, 7, 2)",
                                    }));
}

TEST_F(Texcross, DrawsFiveTexturedCubesInAPlusWithOneWhiteMaterial) {
    LoadProgramResources(NULL);
    platform.log.calls.clear();
    RenderFrame();

    std::vector<std::string> expected = {
        "Clear(0, null, 1, 0xff000050, 1, 0)",
        "Clear(0, null, 2, 0xff000000, 1, 0)",
        "BeginScene()",
        "SetTransform(2)",
        "SetFVF(0x112)",
        "SetStreamSource(0, vb, 0, 32)",
        "SetIndices(ib)",
        "SetMaterial()",
        "SetRenderState(146, 0)",
    };
    for (int k = 0; k < 5; ++k) {
        expected.insert(expected.end(),
                        {"SetTexture(0, tex" + std::to_string(k) + ")", "SetTransform(256)",
                         "DrawIndexedPrimitive(4, 0, 0, 24, 0, 12)"});
    }
    expected.insert(expected.end(), {"EndScene()", "Present(null, null, null, null)"});
    ASSERT_EQ(platform.log.Texts(), expected);

    const D3DMATERIAL9& material = platform.log.calls[7].material;
    EXPECT_EQ(material.Diffuse.r, 1.0f);
    EXPECT_EQ(material.Diffuse.g, 1.0f);
    EXPECT_EQ(material.Diffuse.b, 1.0f);

    // Each cube's centre is its offset in the cross, tumbled by frame 1's spin.
    const Rotation spin = FirstFrameSpin();
    const double offsets[5][2] = {{0, 0}, {3, 0}, {-3, 0}, {0, 3}, {0, -3}};
    for (int k = 0; k < 5; ++k) {
        const D3DMATRIX& world = platform.log.calls[10 + 3 * k].matrix;
        for (int axis = 0; axis < 3; ++axis) {
            const double expectedCentre =
                offsets[k][0] * spin.m[0][axis] + offsets[k][1] * spin.m[1][axis];
            EXPECT_NEAR(world.m[3][axis], expectedCentre, 1e-5) << "cube " << k;
        }
    }
}

TEST_F(Texcross, ShutdownReleasesTheTexturesFirstSlotZeroFirst) {
    LoadProgramResources(NULL);
    platform.log.calls.clear();
    CleanDirect3D();
    EXPECT_EQ(platform.log.Texts(),
              (std::vector<std::string>{"Release(tex0)", "Release(tex1)", "Release(tex2)",
                                        "Release(tex3)", "Release(tex4)", "Release(ib)",
                                        "Release(vb)", "Release(device)", "Release(direct3d)"}));
}

TEST_F(Texcross, ResetSetsTheFiltersAgain) {
    RestoreProgramStates();
    EXPECT_EQ(platform.log.Texts(),
              (std::vector<std::string>{"SetSamplerState(0, 6, 2)", "SetSamplerState(0, 5, 2)",
                                        "SetSamplerState(0, 7, 2)"}));
}

RecordingPlatform* g_dying = nullptr;

void PrintLog() {
    for (const std::string& text : g_dying->log.Texts()) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    std::fprintf(stderr, "end of log\n");
}

// Loads with no display, so the message box falls back to standard error, and prints the log
// when the process exits.
void LoadWithoutDisplay(RecordingPlatform& platform) {
    unsetenv("DISPLAY");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    g_dying = &platform;
    std::atexit(PrintLog);
    LoadTextures(NULL);
    platform.log.Add("went on");
}

TEST_F(Texcross, MissingImageShowsTheMessageOnceAndEndsWithExitCodeOne) {
    platform.missingFile = "tex2.jpg";
    EXPECT_EXIT(LoadWithoutDisplay(platform), ::testing::ExitedWithCode(1),
                "Info: B\xc5\x82\xc4\x85"
                "d \xc5\x82"
                "adowania tekstury!\n"
                "([^I][^\n]*\n)?" // where the box could not be shown, why
                "D3DXCreateTextureFromFileA\\(device, tex0.jpg\\)\n"
                "D3DXCreateTextureFromFileA\\(device, tex1.jpg\\)\n"
                "D3DXCreateTextureFromFileA\\(device, tex2.jpg\\)\n"
                "end of log\n");
}

TEST(WorkingDirectory, BecomesTheExecutablesFolder) {
    char executable[PATH_MAX] = {};
    ASSERT_GT(readlink("/proc/self/exe", executable, sizeof(executable) - 1), 0);
    const std::string folder(executable, std::strrchr(executable, '/'));
    char before[PATH_MAX];
    ASSERT_NE(getcwd(before, sizeof(before)), nullptr);

    ASSERT_EQ(chdir("/"), 0);
    SetWorkingDirectoryToExe();
    char after[PATH_MAX];
    ASSERT_NE(getcwd(after, sizeof(after)), nullptr);
    EXPECT_EQ(std::string(after), folder);
    ASSERT_EQ(chdir(before), 0);
}

} // namespace
