#include "camera.h"

namespace {

const float SPIN_STEP = 0.015f;
const float PITCH_DIVISOR = 11.0f;

// The yaw g_angle and the pitch g_angle / 11 both come back to their start after 22 pi, so
// subtracting it there keeps the picture seamless while the float keeps its resolution; without
// it the steps coarsen from 16384 on and the spin stops for good at 2^18.
const float SPIN_PERIOD = 22.0f * 3.14159265358979f;

} // namespace

float g_angle = 0.0f;

D3DXMATRIX ComputeProjectionMatrix() {
    D3DXMATRIX projection;
    D3DXMatrixPerspectiveFovLH(&projection, D3DX_PI / 4.0f, 4.0f / 3.0f, 1.0f, 100.0f);
    return projection;
}

D3DXMATRIX ComputeViewMatrix() {
    const D3DXVECTOR3 eye(0.0f, 2.0f, 11.0f);
    const D3DXVECTOR3 at(0.0f, -0.2f, 0.0f);
    const D3DXVECTOR3 up(0.0f, 1.0f, 0.0f);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    return view;
}

D3DXMATRIX AdvanceSpin() {
    g_angle = g_angle + SPIN_STEP;
    if (g_angle >= SPIN_PERIOD) {
        g_angle = g_angle - SPIN_PERIOD;
    }
    const float pitch = g_angle / PITCH_DIVISOR;
    D3DXMATRIX rotationX;
    D3DXMATRIX rotationY;
    D3DXMATRIX spin;
    D3DXMatrixRotationX(&rotationX, pitch);
    D3DXMatrixRotationY(&rotationY, g_angle);
    D3DXMatrixMultiply(&spin, &rotationX, &rotationY);
    return spin;
}
