#include "program_key.h"

unsigned IndexOf(const ProgramKey& key) {
    unsigned index = key.lighting ? 1 : 0;
    index = index * (LIGHT_COUNT + 1) + key.lights;
    index = index * 2 + (key.localViewer ? 1 : 0);
    index = index * 2 + (key.normalize ? 1 : 0);
    return index * 2 + (key.textured ? 1 : 0);
}

ProgramKey KeyOf(const DeviceState& state, bool textured) {
    ProgramKey key = {false, 0, false, false, textured};
    key.lighting = state.renderStates[D3DRS_LIGHTING] != FALSE;
    if (!key.lighting) {
        return key;
    }
    for (const LightSlot& slot : state.lights) {
        key.lights += slot.enabled ? 1 : 0;
    }
    key.localViewer = key.lights > 0 && state.renderStates[D3DRS_LOCALVIEWER] != FALSE;
    key.normalize = state.renderStates[D3DRS_NORMALIZENORMALS] != FALSE;
    return key;
}

std::string DefinesOf(const ProgramKey& key) {
    std::string defines;
    if (key.lighting) {
        defines += "#define LIGHTING 1\n#define LIGHTS " + std::to_string(key.lights) + "\n";
        // Lit by a light, a program has the highlights' terms, with no colour while they are off.
        if (key.lights > 0) {
            defines += "#define SPECULAR 1\n";
        }
    }
    if (key.localViewer) {
        defines += "#define LOCAL_VIEWER 1\n";
    }
    if (key.normalize) {
        defines += "#define NORMALIZE 1\n";
    }
    if (key.textured) {
        defines += "#define TEXTURED 1\n";
    }
    return defines;
}
