#include "frame_calls.h"

#include "back_buffer.h"
#include "direct3d_setup.h"
#include "png_file.h"
#include "save_file.h"

#include <port_inspect.h>

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace {

struct PictureFolder {
    std::filesystem::path path;
    bool failed;
};
PictureFolder g_pictures;

// Writes the back buffer as DIR/call-NNN.png and names it; the first failure is said once and
// fails the record.
std::string TakePicture(IDirect3DDevice9* device, unsigned call, void*) {
    if (g_pictures.failed) {
        return std::string();
    }
    char name[32];
    std::snprintf(name, sizeof(name), "call-%03u.png", call);
    std::vector<unsigned char> rgb;
    const int width = (int)g_presentParameters.BackBufferWidth;
    const int height = (int)g_presentParameters.BackBufferHeight;
    std::string why = "could not read the back buffer";
    if (!ReadBackBuffer(device, (UINT)width, (UINT)height, &rgb) ||
        !WritePng((g_pictures.path / name).string(), rgb, width, height, &why)) {
        std::fprintf(stderr, "capture: could not keep the picture of call %u: %s\n", call,
                     why.c_str());
        g_pictures.failed = true;
        return std::string();
    }
    return name;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

bool FrameCallsRecorded() {
    return true;
}

bool StartFrameCalls(IDirect3DDevice9** device, const std::string& pictureFolder) {
    g_pictures = {pictureFolder, false};
    if (!pictureFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(g_pictures.path, error);
        if (error || !std::filesystem::is_directory(g_pictures.path)) {
            std::fprintf(stderr, "capture: cannot make the picture folder %s: %s\n",
                         pictureFolder.c_str(),
                         error ? error.message().c_str() : "a file of that name is in the way");
            return false;
        }
    }
    const PortPictureTaker takePicture = pictureFolder.empty() ? nullptr : TakePicture;
    if (device == nullptr) {
        PortRecordNextDevice(takePicture, nullptr);
    } else if (!PortStartRecording(device, takePicture, nullptr)) {
        std::fprintf(stderr, "capture: the device cannot be recorded\n");
        return false;
    }
    return true;
}

IDirect3DDevice9* UnrecordedDevice(IDirect3DDevice9* device) {
    return PortUnrecorded(device);
}

bool FinishFrameCalls(IDirect3DDevice9** device, const std::string& path) {
    const std::string record = PortStopRecording(device, EndsWith(path, ".json"));
    std::string why;
    if (!SaveFile(path, std::vector<unsigned char>(record.begin(), record.end()), &why)) {
        std::fprintf(stderr, "capture: could not write %s: %s\n", path.c_str(), why.c_str());
        return false;
    }
    return !g_pictures.failed;
}
