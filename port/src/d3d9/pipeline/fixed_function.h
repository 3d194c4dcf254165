// Direct3D 9's fixed-function pipeline on GLSL programs: one program per combination of the states
// in use (program_key.h), built on first use and kept, with the locations of the uniforms it takes
// from the recorded state (fixed_function_uniforms.h).
#pragma once

#include "../gl_seam.h"
#include "fixed_function_uniforms.h"
#include "program_key.h"

#include <vector>

struct FixedFunctionProgram {
    GLuint name = 0;
    bool failed = false;
    // Two matrices when lit, one without; and the lighting's vectors when lit, else -1.
    GLsizei transformMatrices = 0;
    GLint transforms = -1;
    GLint lighting = -1;
    // The versions of the transforms and the lighting its uniforms were last brought up to
    // (StateVersions).
    unsigned transformsVersion = 0;
    unsigned lightingVersion = 0;
};

// Each uniform of the programs by its name in the GLSL, with where a program keeps its location.
struct FixedFunctionUniform {
    const char* name;
    GLint FixedFunctionProgram::*location;
};
extern const FixedFunctionUniform FIXED_FUNCTION_UNIFORMS[2];

class FixedFunction {
  public:
    FixedFunction();

    // The key's program, built on first use; null when it does not build (the reason is on
    // stderr, once). The context must be current.
    FixedFunctionProgram* ProgramFor(const ProgramKey& key, GlSeam* gl);

    // Deletes every program; the context must be current.
    void Destroy(GlSeam* gl);
    // Drops the programs of a lost context without deleting them: their names died with it.
    void DropLostObjects();

  private:
    std::vector<FixedFunctionProgram> programs_;
};
