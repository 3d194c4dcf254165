// The stand-in's hooks for tests (port_test.h), on any host.
#include "device.h"

#include <port_test.h>

void PortSimulateDeviceLoss(IDirect3DDevice9* device) {
    Device* ours = dynamic_cast<Device*>(device);
    if (ours != nullptr) {
        ours->SimulateLoss();
    }
}

void PortReplaceContext(IDirect3DDevice9* device) {
    Device* ours = dynamic_cast<Device*>(device);
    if (ours != nullptr) {
        ours->Context()->Replace();
    }
}
