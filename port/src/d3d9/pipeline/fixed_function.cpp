#include "fixed_function.h"

#include "glsl_program.h"
#include "shader_sources.h"

const FixedFunctionUniform FIXED_FUNCTION_UNIFORMS[2] = {
    {"u_transforms", &FixedFunctionProgram::transforms},
    {"u_lighting", &FixedFunctionProgram::lighting},
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
    program.transformMatrices = key.lighting ? TRANSFORM_MATRICES : 1;
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
