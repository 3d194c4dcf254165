// The device's life on the stand-in: creation, reset, loss and references.
#include "test_device.h"

#include <port_test.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace {

const D3DVECTOR TOWARDS_CAMERA = {0.0f, 0.0f, -1.0f};

// Draws a rectangle over the top-left quarter with whatever states the device has.
void DrawQuarter(TestDevice* test) {
    test->device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000050, 1.0f, 0);
    test->device->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL);
    test->device->SetStreamSource(0, test->vertexBuffer, 0, sizeof(SceneVertex));
    test->device->SetIndices(test->indexBuffer);
    test->DrawMesh();
}

} // namespace

TEST(DeviceLifecycle, CreationTakesTheClientSizeAndRefusesWhatItCannotDo) {
    EXPECT_EQ(nullptr, Direct3DCreate9(31));

    TestDevice test(320, 200);
    ASSERT_EQ(D3D_OK, test.created);
    EXPECT_EQ(320u, test.parameters.BackBufferWidth);
    EXPECT_EQ(200u, test.parameters.BackBufferHeight);
    EXPECT_EQ(D3DFMT_X8R8G8B8, test.parameters.BackBufferFormat);

    D3DPRESENT_PARAMETERS parameters = test.parameters;
    parameters.BackBufferWidth = 0;
    parameters.BackBufferHeight = 0;
    IDirect3DDevice9* device = nullptr;
    parameters.Windowed = FALSE;
    EXPECT_EQ(D3DERR_INVALIDCALL, test.direct3d->CreateDevice(
                                      D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, test.window,
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &device));
    EXPECT_EQ(nullptr, device);

    HWND closed = OpenTestWindow(64, 64);
    DestroyWindow(closed);
    parameters.Windowed = TRUE;
    parameters.hDeviceWindow = closed;
    EXPECT_EQ(D3DERR_INVALIDCALL, test.direct3d->CreateDevice(
                                      D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, closed,
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters, &device));
    EXPECT_EQ(nullptr, device);
}

// A reset returns every state to its default (here: lighting on with no light and a zero
// material, so the white rectangle turns black) and drops the bindings, while managed buffers
// keep their contents; a new size makes a new back buffer.
TEST(DeviceLifecycle, ResetRestoresDefaultsAndKeepsManagedBuffers) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    test.device->SetRenderState(D3DRS_LIGHTING, FALSE);
    test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, TOWARDS_CAMERA), RectangleIndices());
    DrawQuarter(&test);
    EXPECT_TRUE(PixelNear(test.ReadBack(), 100, 100, {255, 255, 255}, 0));

    IDirect3DSurface9* backBuffer = nullptr;
    ASSERT_EQ(D3D_OK, test.device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer));
    EXPECT_EQ(D3DERR_INVALIDCALL, test.device->Reset(&test.parameters));
    backBuffer->Release();
    EXPECT_EQ(D3DERR_DEVICENOTRESET, test.device->TestCooperativeLevel());

    test.parameters.BackBufferWidth = 320;
    test.parameters.BackBufferHeight = 240;
    test.parameters.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    ASSERT_EQ(D3D_OK, test.device->Reset(&test.parameters));
    EXPECT_EQ(D3D_OK, test.device->TestCooperativeLevel());
    DrawQuarter(&test);
    const Picture picture = test.ReadBack();
    ASSERT_EQ(320, picture.width);
    EXPECT_TRUE(PixelNear(picture, 50, 50, {0, 0, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 250, 200, {0, 0, 0x50}, 0));
    EXPECT_EQ(D3D_OK, test.device->Present(nullptr, nullptr, nullptr, nullptr));
}

// A lost device refuses to present, cannot be reset for a while, then can; SIGUSR1 loses it in
// a running program the same way.
TEST(DeviceLifecycle, LostDeviceComesBackThroughReset) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    EXPECT_EQ(D3D_OK, test.device->Present(nullptr, nullptr, nullptr, nullptr));

    PortSimulateDeviceLoss(test.device);
    EXPECT_EQ(D3DERR_DEVICELOST, test.device->Present(nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(D3DERR_DEVICELOST, test.device->TestCooperativeLevel());
    EXPECT_EQ(D3DERR_DEVICELOST, test.device->Reset(&test.parameters));
    EXPECT_EQ(D3D_OK, test.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0));
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    EXPECT_EQ(D3DERR_DEVICENOTRESET, test.device->TestCooperativeLevel());
    EXPECT_EQ(D3DERR_DEVICELOST, test.device->Present(nullptr, nullptr, nullptr, nullptr));
    ASSERT_EQ(D3D_OK, test.device->Reset(&test.parameters));
    EXPECT_EQ(D3D_OK, test.device->TestCooperativeLevel());
    EXPECT_EQ(D3D_OK, test.device->Present(nullptr, nullptr, nullptr, nullptr));

    std::raise(SIGUSR1);
    EXPECT_EQ(D3DERR_DEVICELOST, test.device->Present(nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(D3DERR_DEVICELOST, test.device->TestCooperativeLevel());
}

// The device holds a reference to what is bound, as the platform does, so releasing the
// application's reference leaves a usable buffer until it is unbound.
TEST(DeviceLifecycle, BoundBuffersLiveWhileBound) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    test.device->SetRenderState(D3DRS_LIGHTING, FALSE);
    test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, TOWARDS_CAMERA), RectangleIndices());
    EXPECT_EQ(1u, test.vertexBuffer->Release());
    EXPECT_EQ(1u, test.indexBuffer->Release());
    test.vertexBuffer = nullptr;
    test.indexBuffer = nullptr;
    test.device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000050, 1.0f, 0);
    test.DrawMesh();
    EXPECT_TRUE(PixelNear(test.ReadBack(), 100, 100, {255, 255, 255}, 0));
    EXPECT_EQ(D3D_OK, test.device->SetStreamSource(0, nullptr, 0, 0));
    EXPECT_EQ(D3D_OK, test.device->SetIndices(nullptr));
    EXPECT_EQ(D3DERR_INVALIDCALL,
              test.device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2));
}

// Draws that would read past their buffers or count more indices than GL can, and surfaces too
// large to address, are refused rather than drawn or allocated.
TEST(DeviceLifecycle, OutOfRangeDrawsAndSizesAreRefused) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, TOWARDS_CAMERA), RectangleIndices());
    EXPECT_EQ(D3D_OK, test.device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2));
    // Five vertices from a buffer of four; four of them from the second vertex on.
    EXPECT_EQ(D3DERR_INVALIDCALL,
              test.device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 5, 0, 2));
    EXPECT_EQ(D3DERR_INVALIDCALL,
              test.device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 1, 0, 4, 0, 2));
    // 0x55555556 triangles are 2 indices once the count wraps at 32 bits.
    EXPECT_EQ(D3DERR_INVALIDCALL,
              test.device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 0x55555556u));

    IDirect3DSurface9* surface = nullptr;
    EXPECT_EQ(D3DERR_INVALIDCALL,
              test.device->CreateOffscreenPlainSurface(1u << 30, 1, D3DFMT_X8R8G8B8,
                                                       D3DPOOL_SYSTEMMEM, &surface, nullptr));
    EXPECT_EQ(nullptr, surface);
}

// Once its window is destroyed the device neither draws nor presents, even with its context still
// current from the last draw.
TEST(DeviceLifecycle, NothingIsPresentedOnceTheWindowIsDestroyed) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, TOWARDS_CAMERA), RectangleIndices());
    test.DrawMesh();
    EXPECT_EQ(D3D_OK, test.device->Present(nullptr, nullptr, nullptr, nullptr));
    DestroyWindow(test.window);
    EXPECT_EQ(D3DERR_INVALIDCALL,
              test.device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2));
    EXPECT_EQ(D3DERR_INVALIDCALL, test.device->Present(nullptr, nullptr, nullptr, nullptr));
}

// A context that comes back without any GL object (a browser's restored WebGL context): the
// device is lost until Reset, which makes its own GL objects again, and the managed buffers and
// textures fill new ones from their copies in system memory.
TEST(DeviceLifecycle, NewContextIsRefilledAfterReset) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    IDirect3DTexture9* texture = CreateFilledTexture(device, 1, 1, {0, 0, 255, 0});
    ASSERT_NE(nullptr, texture);
    test.BindMesh(TexturedQuarter(), RectangleIndices());
    const auto draw = [&] {
        device->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1);
        device->SetStreamSource(0, test.vertexBuffer, 0, sizeof(TexturedSceneVertex));
        device->SetIndices(test.indexBuffer);
        device->SetTexture(0, texture);
        device->SetRenderState(D3DRS_LIGHTING, FALSE);
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000050, 1.0f, 0);
        test.DrawMesh();
    };
    draw();
    EXPECT_TRUE(PixelNear(test.ReadBack(), 100, 100, {255, 0, 0}, 0));

    PortReplaceContext(device);
    EXPECT_EQ(D3DERR_DEVICELOST, device->Present(nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(D3DERR_DEVICENOTRESET, device->TestCooperativeLevel());
    EXPECT_EQ(D3D_OK, device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0));
    ASSERT_EQ(D3D_OK, device->Reset(&test.parameters));
    EXPECT_EQ(D3D_OK, device->TestCooperativeLevel());
    draw();
    const Picture picture = test.ReadBack();
    EXPECT_TRUE(PixelNear(picture, 100, 100, {255, 0, 0}, 0));
    EXPECT_TRUE(PixelNear(picture, 500, 400, {0, 0, 0x50}, 0));
    EXPECT_EQ(D3D_OK, device->Present(nullptr, nullptr, nullptr, nullptr));
    device->SetTexture(0, nullptr);
    texture->Release();
}

// Values the stand-in cannot draw are refused where they are given, and the state keeps drawing.
TEST(DeviceLifecycle, ValuesThatCannotBeDrawnAreRefused) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    IDirect3DDevice9* device = test.device;
    const struct {
        D3DRENDERSTATETYPE state;
        DWORD value;
    } renderStates[] = {{D3DRS_ZENABLE, 2 /* D3DZB_USEW */},
                        {D3DRS_ZFUNC, 0},
                        {D3DRS_ZFUNC, 9},
                        {D3DRS_CULLMODE, 4},
                        {D3DRS_SHADEMODE, D3DSHADE_FLAT}};
    for (const auto& refused : renderStates) {
        EXPECT_EQ(D3DERR_INVALIDCALL, device->SetRenderState(refused.state, refused.value))
            << refused.state << " = " << refused.value;
    }
    EXPECT_EQ(D3DERR_INVALIDCALL, device->SetSamplerState(0, D3DSAMP_MINFILTER, 3));
    EXPECT_EQ(D3DERR_INVALIDCALL, device->SetSamplerState(0, D3DSAMP_MIPFILTER, 3));
    EXPECT_EQ(D3DERR_INVALIDCALL, device->SetFVF(D3DFVF_XYZ));
    IDirect3DIndexBuffer9* indices = nullptr;
    EXPECT_EQ(D3DERR_INVALIDCALL, device->CreateIndexBuffer(12, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED,
                                                            &indices, nullptr));
    D3DPRESENT_PARAMETERS parameters = test.parameters;
    parameters.PresentationInterval = 2;
    EXPECT_EQ(D3DERR_INVALIDCALL, device->Reset(&parameters));
    ASSERT_EQ(D3D_OK, device->Reset(&test.parameters));

    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    test.BindMesh(Rectangle(-1.0f, 1.0f, 0.0f, 0.0f, 0.5f, TOWARDS_CAMERA), RectangleIndices());
    EXPECT_EQ(D3DERR_INVALIDCALL, device->DrawIndexedPrimitive((D3DPRIMITIVETYPE)7, 0, 0, 4, 0, 2));
    DrawQuarter(&test);
    EXPECT_TRUE(PixelNear(test.ReadBack(), 100, 100, {255, 255, 255}, 0));
}
