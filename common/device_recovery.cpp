#include "device_recovery.h"

#include "direct3d_setup.h"
#include "lighting.h"
#include "program.h"

bool g_deviceLost = false;

bool RestoreLostDevice() {
    HRESULT state = g_device->TestCooperativeLevel();
    if (state == D3DERR_DEVICENOTRESET) {
        state = ResetDevice();
    }
    // Lost still, or lost again during the reset: another try later. Any other failure (the
    // driver's, or too little memory) will not pass by waiting.
    if (state == D3DERR_DEVICELOST || state == D3DERR_DEVICENOTRESET) {
        return false;
    }
    if (FAILED(state)) {
        ExitWithDeviceFailure(g_presentParameters.hDeviceWindow);
    }
    g_deviceLost = false;
    return true;
}

HRESULT ResetDevice() {
    const HRESULT result = g_device->Reset(&g_presentParameters);
    if (FAILED(result)) {
        return result;
    }
    SetFixedStates();
    InitLight();
    RestoreProgramStates();
    return D3D_OK;
}
