// What stands in front of the devices the Direct3D object creates: by default nothing, and the
// program gets the device itself. An executable may set a function that wraps each new device in
// a device of its own (the browser's program pages put the frame inspector's there), which then
// holds the device's reference.
#pragma once

#include "device.h"

using DeviceFront = IDirect3DDevice9* (*)(Device* device);

void SetDeviceFront(DeviceFront front);
