#include "frame.h"

#include "camera.h"
#include "direct3d_setup.h"
#include "device_recovery.h"
#include "mesh.h"
#include "program.h"

namespace {

const D3DCOLOR CLEAR_COLOR = 0xFF000050;

// How long a pass waits while the device is lost, so the loop keeps handling messages and Escape
// without spinning.
const DWORD LOST_DEVICE_WAIT_MS = 50;

} // namespace

void DrawFrame() {
    g_device->Clear(0, NULL, D3DCLEAR_TARGET, CLEAR_COLOR, 1.0f, 0);
    g_device->Clear(0, NULL, D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
    g_device->BeginScene();
    const D3DXMATRIX view = ComputeViewMatrix();
    g_device->SetTransform(D3DTS_VIEW, &view);
    g_device->SetFVF(g_vertexFormat);
    g_device->SetStreamSource(0, g_vertexBuffer, 0, g_vertexStride);
    g_device->SetIndices(g_indexBuffer);
    const D3DXMATRIX spin = AdvanceSpin();
    DrawScene(&spin);
    g_device->EndScene();
}

void RenderFrame() {
    if (g_deviceLost && !RestoreLostDevice()) {
        Sleep(LOST_DEVICE_WAIT_MS);
        return;
    }
    DrawFrame();
    if (g_device->Present(NULL, NULL, NULL, NULL) == D3DERR_DEVICELOST) {
        g_deviceLost = true;
    }
}

void DrawCube() {
    g_device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, CUBE_VERTEX_COUNT, 0,
                                   CUBE_TRIANGLE_COUNT);
}
