// The frame recorder's entry points (port_inspect.h), on any host.
#include "frame_recorder.h"

#include <port_inspect.h>

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
