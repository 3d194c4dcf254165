// The frame recorder's entry points (port_inspect.h), on any host.
#include "../device_front.h"
#include "frame_recorder.h"

#include <port_inspect.h>

namespace {

struct NextRecording {
    PortPictureTaker takePicture;
    void* context;
};
NextRecording g_next;

// Puts a recorder in front of the new device, once. The recorder adds its own reference, and the
// device's first stays with the program, which gets it back with PortStopRecording.
IDirect3DDevice9* RecordFromCreation(Device* device) {
    SetDeviceFront(nullptr);
    return new FrameRecorder(device, g_next.takePicture, g_next.context);
}

} // namespace

void PortRecordNextDevice(PortPictureTaker takePicture, void* context) {
    g_next = {takePicture, context};
    SetDeviceFront(RecordFromCreation);
}

IDirect3DDevice9* PortUnrecorded(IDirect3DDevice9* device) {
    FrameRecorder* recorder = dynamic_cast<FrameRecorder*>(device);
    return recorder != nullptr ? recorder->Recorded() : device;
}

bool PortStartRecording(IDirect3DDevice9** device, PortPictureTaker takePicture, void* context) {
    Device* ours = dynamic_cast<Device*>(*device);
    if (ours == nullptr) {
        return false;
    }
    *device = new FrameRecorder(ours, takePicture, context);
    return true;
}

std::string PortStopRecording(IDirect3DDevice9** device, bool json) {
    FrameRecorder* recorder = dynamic_cast<FrameRecorder*>(*device);
    if (recorder == nullptr) {
        return std::string();
    }
    const std::string record =
        json ? FrameRecordJson(recorder->Record()) : FrameRecordText(recorder->Record());
    *device = recorder->Recorded();
    recorder->Release();
    return record;
}
