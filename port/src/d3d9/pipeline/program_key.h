// Which fixed-function program a draw needs: the combination of the recorded states that change
// the shaders' code rather than their inputs.
#pragma once

#include "../device_state.h"

#include <string>

struct ProgramKey {
    bool lighting;
    // Enabled lights, when lighting.
    UINT lights;
    // With the eye at the vertex's direction (LOCALVIEWER) for the highlights, when lighting with
    // at least one light. Whether highlights are on is not a part: off, they have no colour
    // (ComputeLighting), so that switching them per object changes uniforms, not programs.
    bool localViewer;
    // NORMALIZENORMALS, when lighting.
    bool normalize;
    // A texture is bound to stage 0.
    bool textured;
};

// How many different keys there are, and each key's place among them.
const unsigned PROGRAM_KEY_COUNT = 2 * (LIGHT_COUNT + 1) * 2 * 2 * 2;
unsigned IndexOf(const ProgramKey& key);

// The key of a draw with the recorded state and, or without, a texture bound.
ProgramKey KeyOf(const DeviceState& state, bool textured);

// The #define lines that select the key's parts of the fixed-function shaders.
std::string DefinesOf(const ProgramKey& key);
