// Recording one frame's Direct3D 9 calls for --calls. Builds against the stand-in record them;
// the build against the platform has no recorder and so no such option.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <string>

// Whether this build can record a frame's calls.
bool FrameCallsRecorded();

// Starts recording the calls made on *device, which becomes the recording device; with device
// null, the calls made on the next device created, from its creation on. With a picture folder,
// the back buffer after each clear and draw is written there as call-NNN.png. False, having said
// why, when the folder cannot be made or the device cannot be recorded.
bool StartFrameCalls(IDirect3DDevice9** device, const std::string& pictureFolder);

// The device that draws behind a recording device, for the tool's own calls; else device itself.
IDirect3DDevice9* UnrecordedDevice(IDirect3DDevice9* device);

// Stops recording, gives the device back, and writes the record to path: JSON when the name ends
// in ".json", text otherwise. False, having said why, when a picture or the record could not be
// written.
bool FinishFrameCalls(IDirect3DDevice9** device, const std::string& path);
