// Direct3D 9's fixed-function pipeline on GLSL programs: one program per combination of the states
// in use (program_key.h), built on first use and kept. Each program's uniforms are computed again
// only when the parts of the state they come from are newer than what the program last got
// (StateVersions), and each is sent to GL only when its value differs from what the program holds.
#pragma once

#include "../gl_state_cache.h"
#include "../gles2.h"
#include "fixed_function_uniforms.h"
#include "program_key.h"

#include <vector>

// What the programs' uniforms are made from.
struct UniformSource {
    const DeviceState& state;
    const StateVersions& versions;
    UINT targetWidth;
    UINT targetHeight;
};

class FixedFunction {
  public:
    FixedFunction();

    // Makes the key's program current, building it on first use, and brings its uniforms up to
    // the state. False when it does not build (the reason is on stderr once).
    bool Use(const ProgramKey& key, const UniformSource& source, GlStateCache* gl);

    // Deletes every program; the context must be current.
    void Destroy(GlStateCache* gl);
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
        // The versions of the transforms and the lighting its uniforms were last brought up to.
        unsigned transformsVersion = 0;
        unsigned lightingVersion = 0;
        // The values its uniforms hold: zero, as GL starts them, until set.
        TransformUniforms transforms = {};
        LightingUniforms lightingValues = {};
    };

    static Program Build(const ProgramKey& key);
    static void UpdateUniforms(Program* program, const UniformSource& source);

    std::vector<Program> programs_;
};
