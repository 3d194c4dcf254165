// What the frame recorder keeps of one frame: each Direct3D 9 call with its arguments by name, its
// result, what it made stale, the GL calls it became, and for each clear and draw the state in
// force, the program and a picture. Calls are numbered from 1 in the frame; 0 stands for "before
// this frame".
#pragma once

#include "../gl_seam.h"

#include <string>
#include <utility>
#include <vector>

// One piece of the device's state: "D3DRS_LIGHTING" = "TRUE", with the call that last set it.
struct StateEntry {
    std::string name;
    std::string value;
    unsigned setBy;
    bool isDefault;
};

struct GlCallRecord {
    // The part of a draw the call makes ("transforms"), or "" outside a draw's parts.
    std::string part;
    GlFunction function;
    bool made;
    std::string arguments;
};

// A draw's parts that it made again, each with the call that last made it stale.
struct PartCause {
    std::string part;
    unsigned staleSince;
};

// What a clear or draw drew with.
struct DrawRecord {
    std::vector<StateEntry> state;
    std::vector<PartCause> causes;
    // The program's #defines, one a line, and the GLSL the driver compiled; empty for a clear.
    std::string programDefines;
    std::string vertexShader;
    std::string fragmentShader;
    // The program's uniforms by name, with the values the context holds.
    std::vector<std::pair<std::string, std::string>> uniforms;
    // The picture of the back buffer after the call, as its taker named it; "" for none.
    std::string picture;
};

struct CallRecord {
    unsigned number;
    // SetRenderState(D3DRS_LIGHTING, TRUE)
    std::string call;
    std::string result;
    // "stale: transforms, lighting", "nothing: value unchanged", "device lost: nothing drawn", or
    // "" for a call that sets nothing.
    std::string effect;
    std::vector<GlCallRecord> gl;
    bool drew;
    DrawRecord draw;
};

struct FrameRecord {
    std::vector<StateEntry> startState;
    std::vector<CallRecord> calls;
};

// The record for people: one call a line, its GL calls indented under it, then for each clear
// and draw what it drew with.
std::string FrameRecordText(const FrameRecord& record);
// The record as one JSON object with a "version" field.
std::string FrameRecordJson(const FrameRecord& record);
