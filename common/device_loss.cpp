#include "device_loss.h"

#include "device.h"
#include "lighting.h"
#include "program.h"

bool g_deviceLost = false;

bool RestoreLostDevice() {
    HRESULT state = g_device->TestCooperativeLevel();
    if (state == D3DERR_DEVICENOTRESET) {
        state = ResetDevice();
    }
    if (FAILED(state)) {
        return false;
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
