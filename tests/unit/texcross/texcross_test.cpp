// texcross's entry, texture set and cross scene, through the recording platform.
#include "camera.h"
#include "cube_reference.h"
#include "direct3d_setup.h"
#include "expected_calls.h"
#include "frame.h"
#include "lighting.h"
#include "program.h"
#include "recording_device.h"
#include "reference_math.h"
#include "texture_set.h"
#include "window.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <unistd.h>

namespace {

const char TEXCROSS_FVF[] = "D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1";

const std::vector<std::string> FILTER_CALLS = {
    "SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR)",
    "SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR)",
    "SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR)",
};

std::vector<std::string> LoadCalls(int files) {
    std::vector<std::string> calls;
    for (int k = 0; k < files; ++k) {
        calls.push_back("D3DXCreateTextureFromFileA(device, tex" + std::to_string(k) + ".jpg)");
    }
    return calls;
}

// The executable's folder as the stand-in's _get_pgmptr spells it, with backslashes.
std::string ExecutableFolder() {
    char path[PATH_MAX] = {};
    EXPECT_GT(readlink("/proc/self/exe", path, sizeof(path) - 1), 0);
    std::string folder(path, std::strrchr(path, '/'));
    for (char& c : folder) {
        c = c == '/' ? '\\' : c;
    }
    return folder;
}

// The working directory first, the textures after the light, the textures released first.
TEST(TexcrossWinMain, EntersItsFolderFirstAndLoadsTheTexturesAfterTheLight) {
    RecordingPlatform platform;
    platform.log.Name(reinterpret_cast<const void*>(WindowProc), "WindowProc");
    PostQuitMessage(0);
    char commandLine[] = "";
    EXPECT_EQ(WinMain(NULL, NULL, commandLine, SW_SHOWNORMAL), 0);

    const std::vector<std::string> calls = platform.log.Texts();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "SetCurrentDirectoryA(" + ExecutableFolder() + ")");
    EXPECT_NE(calls[1].find("lpfnWndProc=WindowProc,"), std::string::npos) << calls[1];
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 2, calls.end()),
              Concat({{"CreateWindowExA(0x0, WindowClass1, DirectX textures, WS_OVERLAPPEDWINDOW, "
                       "100, 100, 640, 480, null, null, null, null)",
                       "ShowWindow(window, 1)"},
                      InitDirect3DCalls("window", 768, TEXCROSS_FVF),
                      InitLightCalls(),
                      LoadCalls(5),
                      FILTER_CALLS,
                      {"Release(tex0)", "Release(tex1)", "Release(tex2)", "Release(tex3)",
                       "Release(tex4)", "Release(ib)", "Release(vb)", "Release(device)",
                       "Release(direct3d)"}}));
    EXPECT_TRUE(BuffersHoldTheCube(platform.device, 32));
}

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

TEST_F(Texcross, DrawsFiveTexturedCubesInAPlusWithOneWhiteMaterial) {
    LoadProgramResources(NULL);
    platform.log.calls.clear();
    RenderFrame();

    std::vector<std::string> expected = {
        "Clear(0, null, D3DCLEAR_TARGET, 0xff000050, 1, 0)",
        "Clear(0, null, D3DCLEAR_ZBUFFER, 0xff000000, 1, 0)",
        "BeginScene()",
        "SetTransform(D3DTS_VIEW, matrix)",
        std::string("SetFVF(") + TEXCROSS_FVF + ")",
        "SetStreamSource(0, vb, 0, 32)",
        "SetIndices(ib)",
        "SetMaterial(material)",
        "SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL)",
    };
    for (int k = 0; k < 5; ++k) {
        expected.insert(expected.end(),
                        {"SetTexture(0, tex" + std::to_string(k) + ")",
                         "SetTransform(D3DTS_WORLD, matrix)",
                         "DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 24, 0, 12)"});
    }
    expected.insert(expected.end(), {"EndScene()", "Present(null, null, null, null)"});
    ASSERT_EQ(platform.log.Texts(), expected);

    const D3DMATERIAL9& material = platform.log.calls[7].material;
    EXPECT_EQ(material.Diffuse.r, 1.0f);
    EXPECT_EQ(material.Diffuse.g, 1.0f);
    EXPECT_EQ(material.Diffuse.b, 1.0f);

    // Each cube moved to its place in the cross, then tumbled by frame 1's spin.
    const double offsets[5][2] = {{0, 0}, {3, 0}, {-3, 0}, {0, 3}, {0, -3}};
    for (int k = 0; k < 5; ++k) {
        const Matrix world = Multiply(Translation(offsets[k][0], offsets[k][1], 0), SpinAfter(1));
        EXPECT_TRUE(MatrixNear(platform.log.calls[10 + 3 * k].matrix, world, 1e-6)) << k;
    }
}

TEST_F(Texcross, ResetSetsTheFiltersAgain) {
    RestoreProgramStates();
    EXPECT_EQ(platform.log.Texts(), FILTER_CALLS);
}

// The first image that cannot be loaded ends the program after a warning box owned by the
// window; no further file is tried.
TEST_F(Texcross, MissingImageShowsTheMessageOnceAndEndsWithExitCodeOne) {
    platform.missingFile = "tex2.jpg";
    platform.log.Name(reinterpret_cast<HWND>(0x99), "window");
    EXPECT_EXIT(LoadTextures(reinterpret_cast<HWND>(0x99)), ::testing::ExitedWithCode(1),
                "^D3DXCreateTextureFromFileA\\(device, tex0.jpg\\)\n"
                "D3DXCreateTextureFromFileA\\(device, tex1.jpg\\)\n"
                "D3DXCreateTextureFromFileA\\(device, tex2.jpg\\)\n"
                "MessageBoxW\\(window, B\xc5\x82\xc4\x85"
                "d \xc5\x82"
                "adowania tekstury!, Info, MB_ICONWARNING\\)\n$");
}

} // namespace
