// The stand-in's frame recorder: what a person studying a frame sees of it. The platform has no
// counterpart; tools reach it only in builds against the stand-in.
//
// While recording, every Direct3D 9 call made on the device is passed on and recorded: its
// arguments by name, its result, which parts of the draw it made stale, and the OpenGL calls it
// became, each made or skipped because the context already held its value. Each clear and draw
// also keeps the state in force, the program with its GLSL and uniforms, and a picture.
#pragma once

#include <d3d9.h>

#include <string>

// Called after each clear and draw while recording, with the device that draws and the call's
// number in the frame (from 1). Reads the back buffer and returns the name of the picture it kept
// of it, or "" for none.
typedef std::string (*PortPictureTaker)(IDirect3DDevice9* device, unsigned call, void* context);

// Starts recording the calls made on *device, which it replaces by a device that passes each call
// on to the one it held. takePicture may be null. False, changing nothing, for a device that is
// not the stand-in's or one already being recorded.
bool PortStartRecording(IDirect3DDevice9** device, PortPictureTaker takePicture, void* context);

// Records the next device the Direct3D object creates, from its creation on, as PortStartRecording
// would: the program gets the recording device, and its first frame holds the calls that set the
// scene up. takePicture may be null.
void PortRecordNextDevice(PortPictureTaker takePicture, void* context);

// The device a recording device passes its calls on to, so that a tool's own calls on it go
// unrecorded; any other device as it is.
IDirect3DDevice9* PortUnrecorded(IDirect3DDevice9* device);

// Stops the recording started on *device, puts the recorded device back and returns the record:
// text for people, or with json a JSON object with a "version" field.
std::string PortStopRecording(IDirect3DDevice9** device, bool json);
