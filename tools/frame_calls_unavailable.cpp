// The platform's own Direct3D 9 offers no recorder: --calls is not an option of this build.
#include "frame_calls.h"

bool FrameCallsRecorded() {
    return false;
}

bool StartFrameCalls(IDirect3DDevice9**, const std::string&) {
    return false;
}

IDirect3DDevice9* UnrecordedDevice(IDirect3DDevice9* device) {
    return device;
}

bool FinishFrameCalls(IDirect3DDevice9**, const std::string&) {
    return false;
}
