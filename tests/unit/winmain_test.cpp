// boxring's entry through the real WinMain: the window class, the window, then the device and
// the light; with a WM_QUIT already queued the loop ends at once and shutdown follows.
#include "expected_calls.h"
#include "recording_device.h"
#include "window.h"

#include <gtest/gtest.h>

namespace {

TEST(WinMain, OpensTheWindowThenSetsUpTheDeviceAndTheLight) {
    RecordingPlatform platform;
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(0x400000);
    platform.log.Name(instance, "instance");
    platform.log.Name(LoadCursorA(NULL, IDC_ARROW), "IDC_ARROW");
    platform.log.Name(reinterpret_cast<const void*>(WindowProc), "WindowProc");
    PostQuitMessage(0);
    char commandLine[] = "--ignored";
    EXPECT_EQ(WinMain(instance, NULL, commandLine, SW_SHOWMAXIMIZED), 0);

    EXPECT_EQ(platform.log.Texts(),
              Concat({{"RegisterClassExA(cbSize=" + std::to_string(sizeof(WNDCLASSEXA)) +
                           ", style=CS_HREDRAW | CS_VREDRAW, lpfnWndProc=WindowProc, "
                           "cbClsExtra=0, cbWndExtra=0, hInstance=instance, hIcon=null, "
                           "hCursor=IDC_ARROW, hbrBackground=5, lpszMenuName=null, "
                           "lpszClassName=WindowClass1, hIconSm=null)",
                       "CreateWindowExA(0x0, WindowClass1, DirectX lighting boxes, "
                       "WS_OVERLAPPEDWINDOW, 100, 100, 640, 480, null, null, instance, null)",
                       "ShowWindow(window, 3)"},
                      InitDirect3DCalls("window", 576, "D3DFVF_XYZ | D3DFVF_NORMAL"),
                      InitLightCalls(),
                      {"Release(ib)", "Release(vb)", "Release(device)", "Release(direct3d)"}}));
}

} // namespace
