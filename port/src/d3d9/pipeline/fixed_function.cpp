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

void SetTransformUniforms(const FixedFunctionProgram& program, const TransformUniforms& values,
                          GlSeam* gl) {
    gl->UniformMatrix4(program.worldViewProjection, &values.worldViewProjection.m[0][0]);
    gl->UniformMatrix4(program.worldView, &values.worldView.m[0][0]);
}

void SetLightingUniforms(const FixedFunctionProgram& program, const LightingUniforms& values,
                         GlSeam* gl) {
    gl->Uniform4(program.sceneColour, values.sceneColour);
    // The program's key holds the number of lights, so it is the same in every lighting.
    const GLsizei lights = (GLsizei)values.lights;
    gl->Uniform3(program.towardsLight, lights, &values.towardsLight[0][0]);
    gl->Uniform3(program.lightAmbient, lights, &values.ambient[0][0]);
    gl->Uniform3(program.lightDiffuse, lights, &values.diffuse[0][0]);
    gl->Uniform3(program.lightSpecular, lights, &values.specular[0][0]);
    gl->Uniform1(program.power, values.power);
}
