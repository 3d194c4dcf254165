#include "fixed_function.h"

#include "glsl_program.h"
#include "shader_sources.h"

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
    const auto location = [gl, name = program.name](const char* uniform) {
        return GL_CALL(gl, glGetUniformLocation)(name, uniform);
    };
    program.lighting = key.lighting;
    program.worldViewProjection = location("u_worldViewProjection");
    program.worldView = location("u_worldView");
    program.sceneColour = location("u_sceneColour");
    program.towardsLight = location("u_towardsLight");
    program.lightAmbient = location("u_lightAmbient");
    program.lightDiffuse = location("u_lightDiffuse");
    program.lightSpecular = location("u_lightSpecular");
    program.power = location("u_power");
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
