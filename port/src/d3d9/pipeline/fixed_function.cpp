#include "fixed_function.h"

#include "glsl_program.h"
#include "shader_sources.h"

FixedFunction::FixedFunction() : programs_(PROGRAM_KEY_COUNT) {}

FixedFunction::Program FixedFunction::Build(const ProgramKey& key) {
    Program program;
    program.name =
        BuildProgram(DefinesOf(key), FIXED_FUNCTION_VERTEX_SHADER, FIXED_FUNCTION_FRAGMENT_SHADER);
    program.failed = program.name == 0;
    if (program.failed) {
        return program;
    }
    const GLuint name = program.name;
    program.lighting = key.lighting;
    program.worldViewProjection = glGetUniformLocation(name, "u_worldViewProjection");
    program.worldView = glGetUniformLocation(name, "u_worldView");
    program.sceneColour = glGetUniformLocation(name, "u_sceneColour");
    program.towardsLight = glGetUniformLocation(name, "u_towardsLight");
    program.lightAmbient = glGetUniformLocation(name, "u_lightAmbient");
    program.lightDiffuse = glGetUniformLocation(name, "u_lightDiffuse");
    program.lightSpecular = glGetUniformLocation(name, "u_lightSpecular");
    program.power = glGetUniformLocation(name, "u_power");
    return program;
}

bool FixedFunction::Use(const ProgramKey& key) {
    Program& program = programs_[IndexOf(key)];
    if (program.name == 0 && !program.failed) {
        program = Build(key);
    }
    if (program.failed) {
        current_ = nullptr;
        return false;
    }
    glUseProgram(program.name);
    current_ = &program;
    return true;
}

void FixedFunction::UpdateUniforms(const DeviceState& state, UINT targetWidth, UINT targetHeight) {
    Program& program = *current_;
    if (program.transformsVersion != transformsVersion_) {
        if (transformsComputed_ != transformsVersion_) {
            transforms_ = ComputeTransforms(state, targetWidth, targetHeight);
            transformsComputed_ = transformsVersion_;
        }
        glUniformMatrix4fv(program.worldViewProjection, 1, GL_FALSE,
                           &transforms_.worldViewProjection.m[0][0]);
        if (program.lighting) {
            glUniformMatrix4fv(program.worldView, 1, GL_FALSE, &transforms_.worldView.m[0][0]);
        }
        program.transformsVersion = transformsVersion_;
    }
    if (program.lighting && program.lightingVersion != lightingVersion_) {
        if (lightingComputed_ != lightingVersion_) {
            lighting_ = ComputeLighting(state);
            lightingComputed_ = lightingVersion_;
        }
        const GLsizei lights = (GLsizei)lighting_.lights;
        glUniform4fv(program.sceneColour, 1, lighting_.sceneColour);
        if (lights > 0) {
            glUniform3fv(program.towardsLight, lights, &lighting_.towardsLight[0][0]);
            glUniform3fv(program.lightAmbient, lights, &lighting_.ambient[0][0]);
            glUniform3fv(program.lightDiffuse, lights, &lighting_.diffuse[0][0]);
            // Absent from programs without specular highlights (location -1, which GL ignores).
            glUniform3fv(program.lightSpecular, lights, &lighting_.specular[0][0]);
            glUniform1f(program.power, lighting_.power);
        }
        program.lightingVersion = lightingVersion_;
    }
}

void FixedFunction::Destroy() {
    glUseProgram(0);
    for (Program& program : programs_) {
        if (program.name != 0) {
            glDeleteProgram(program.name);
        }
    }
    Forget();
}

void FixedFunction::Forget() {
    programs_.assign(PROGRAM_KEY_COUNT, Program());
    current_ = nullptr;
}
