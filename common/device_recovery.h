// Getting a lost device back: the device is reset with the parameters it was created with, and
// every state the reset returns to its default is set again.
#pragma once

#include <windows.h>

// True from a Present that reported the device lost until the device is reset.
extern bool g_deviceLost;

// Asks the device whether it can be reset and does so when it can. Returns true once the device
// is usable again, and clears g_deviceLost then. A failure that waiting cannot mend ends the
// program with the message that Direct3D failed.
bool RestoreLostDevice();

// Resets the device with g_presentParameters and sets again the fixed states, the light and the
// program's own states. Returns the result of the reset.
HRESULT ResetDevice();
