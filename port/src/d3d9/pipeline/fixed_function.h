// Direct3D 9's fixed-function pipeline on GLSL programs: one program per combination of the states
// in use (program_key.h), built on first use and kept. Each program's uniforms are set only when
// the recorded state they come from has changed since that program last got them.
#pragma once

#include "../gles2.h"
#include "fixed_function_uniforms.h"
#include "program_key.h"

#include <vector>

class FixedFunction {
  public:
    FixedFunction();

    // Makes the key's program current, building it on first use. False when it does not build
    // (the reason is on stderr once).
    bool Use(const ProgramKey& key);

    // The state behind the transforms (world, view, projection, target size) or behind the
    // lighting (lights, view, material, global ambient) has changed.
    void TransformsChanged() { ++transformsVersion_; }
    void LightingChanged() { ++lightingVersion_; }

    // Sets the uniforms of the program in use that are older than the state.
    void UpdateUniforms(const DeviceState& state, UINT targetWidth, UINT targetHeight);

    // Deletes every program; the context must be current.
    void Destroy();
    // Drops the programs of a lost context without deleting them: their names died with it.
    void Forget();

  private:
    struct Program {
        GLuint name = 0;
        bool failed = false;
        bool lighting = false;
        GLint worldViewProjection = -1;
        GLint worldView = -1;
        GLint sceneColour = -1;
        GLint towardsLight = -1;
        GLint lightAmbient = -1;
        GLint lightDiffuse = -1;
        GLint lightSpecular = -1;
        GLint power = -1;
        unsigned transformsVersion = 0;
        unsigned lightingVersion = 0;
    };

    static Program Build(const ProgramKey& key);

    std::vector<Program> programs_;
    Program* current_ = nullptr;
    unsigned transformsVersion_ = 1;
    unsigned lightingVersion_ = 1;
    // The values of the latest versions, computed once each however many programs take them.
    TransformUniforms transforms_;
    unsigned transformsComputed_ = 0;
    LightingUniforms lighting_;
    unsigned lightingComputed_ = 0;
};
