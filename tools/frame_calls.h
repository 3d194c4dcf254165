// Recording one frame's Direct3D 9 calls for --calls. Builds against the stand-in record them;
// the build against the platform has no recorder and so no such option.
#pragma once

#include <windows.h>
#include <d3d9.h>

#include <string>

// Whether this build can record a frame's calls.
bool FrameCallsRecorded();

// Starts recording the calls made on *device, which becomes the recording device. With a picture
// folder, the back buffer after each clear and draw is written there as call-NNN.png. False,
// having said why, when the folder cannot be made or the device cannot be recorded.
bool StartFrameCalls(IDirect3DDevice9** device, const std::string& pictureFolder);

// Stops recording, gives the device back, and writes the record to path: JSON when the name ends
// in ".json", text otherwise. False, having said why, when a picture or the record could not be
// written.
bool FinishFrameCalls(IDirect3DDevice9** device, const std::string& path);
