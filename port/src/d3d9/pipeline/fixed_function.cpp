#include "fixed_function.h"

#include "glsl_program.h"
#include "shader_sources.h"

const FixedFunctionUniform FIXED_FUNCTION_UNIFORMS[8] = {
    {"u_worldViewProjection", &FixedFunctionProgram::worldViewProjection},
    {"u_worldView", &FixedFunctionProgram::worldView},
    {"u_sceneColour", &FixedFunctionProgram::sceneColour},
    {"u_towardsLight", &FixedFunctionProgram::towardsLight},
    {"u_lightAmbient", &FixedFunctionProgram::lightAmbient},
    {"u_lightDiffuse", &FixedFunctionProgram::lightDiffuse},
    {"u_lightSpecular", &FixedFunctionProgram::lightSpecular},
    {"u_power", &FixedFunctionProgram::power},
};

namespace {

FixedFunctionProgram Build(const ProgramKey& key, GlSeam* gl) {
    FixedFunctionProgram program;
    // In the order of VertexAttribute.
    program.name =
        BuildProgram(gl, DefinesOf(key), FIXED_FUNCTION_VERTEX_SHADER,
                     FIXED_FUNCTION_FRAGMENT_SHADER, {"a_position", "a_normal", "a_texCoord"});
    program.failed = program.name == 0;
    if (program.failed) {
        return program;
    }
    program.lighting = key.lighting;
    for (const FixedFunctionUniform& uniform : FIXED_FUNCTION_UNIFORMS) {
        program.*uniform.location = GL_CALL(gl, glGetUniformLocation)(program.name, uniform.name);
    }
    return program;
}

} // namespace

FixedFunction::FixedFunction() : programs_(PROGRAM_KEY_COUNT) {}

FixedFunctionProgram* FixedFunction::ProgramFor(const ProgramKey& key, GlSeam* gl) {
    FixedFunctionProgram& program = programs_[IndexOf(key)];
    if (program.name == 0 && !program.failed) {
        program = Build(key, gl);
    }
    return program.failed ? nullptr : &program;
}

void FixedFunction::Destroy(GlSeam* gl) {
    for (const FixedFunctionProgram& program : programs_) {
        if (program.name != 0) {
            gl->DeleteProgram(program.name);
        }
    }
    DropLostObjects();
}

void FixedFunction::DropLostObjects() {
    programs_.assign(PROGRAM_KEY_COUNT, FixedFunctionProgram());
}
