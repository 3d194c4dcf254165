// The device's state as a person studying a frame reads it: each render state, transform, light,
// the material, texture stage 0 and the vertex input by name, with its value named, the call that
// last set it and whether it is Direct3D 9's default.
#pragma once

#include "../device.h"
#include "frame_record.h"

#include <map>
#include <string>
#include <vector>

// A resource by the order its device made it in: "texture 1", "vertex buffer 1"; "NULL" for none,
// and "a surface" for a surface.
std::string ResourceName(const IUnknown* resource);

// The entries of the device's state; setBy gives, by entry name, the call that last set it (0,
// before the frame, for a name it lacks).
std::vector<StateEntry> StateEntriesOf(const Device& device,
                                       const std::map<std::string, unsigned>& setBy);

// The entry names a call sets, as StateEntriesOf names them: "D3DTS_WORLD", "light 0", ...
std::string TransformEntry(D3DTRANSFORMSTATETYPE state);
std::string LightEntry(DWORD index);
std::string LightEnabledEntry(DWORD index);
std::string SamplerEntry(D3DSAMPLERSTATETYPE type);
extern const char MATERIAL_ENTRY[];
extern const char TEXTURE_ENTRY[];
extern const char FVF_ENTRY[];
extern const char STREAM_ENTRY[];
extern const char INDICES_ENTRY[];

// Values as the entries write them.
std::string MatrixText(const D3DMATRIX& matrix);
std::string MaterialText(const D3DMATERIAL9& material);
std::string LightText(const D3DLIGHT9& light);
