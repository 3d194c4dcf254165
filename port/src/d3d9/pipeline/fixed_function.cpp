#include "fixed_function.h"

#include "glsl_program.h"
#include "shader_sources.h"

#include <cstring>

namespace {

// Copies count floats over held and returns true when they differ from it: the uniform then
// needs setting.
bool Differs(const float* values, float* held, size_t count) {
    if (std::memcmp(values, held, count * sizeof(float)) == 0) {
        return false;
    }
    std::memcpy(held, values, count * sizeof(float));
    return true;
}

// Sets a matrix when its values changed.
void SetMatrix(GLint location, const D3DMATRIX& value, D3DMATRIX* held) {
    if (Differs(&value.m[0][0], &held->m[0][0], 16)) {
        glUniformMatrix4fv(location, 1, GL_FALSE, &value.m[0][0]);
    }
}

// Sets an array of vec3 when the program has it (a location of -1 is one it lacks) and its
// values changed.
void SetVectors(GLint location, GLsizei count, const float (*values)[3], float (*held)[3]) {
    if (location != -1 && count > 0 && Differs(&values[0][0], &held[0][0], (size_t)count * 3)) {
        glUniform3fv(location, count, &values[0][0]);
    }
}

} // namespace

FixedFunction::FixedFunction() : programs_(PROGRAM_KEY_COUNT) {}

FixedFunction::Program FixedFunction::Build(const ProgramKey& key) {
    Program program;
    // In the order of VertexAttribute.
    program.name =
        BuildProgram(DefinesOf(key), FIXED_FUNCTION_VERTEX_SHADER, FIXED_FUNCTION_FRAGMENT_SHADER,
                     {"a_position", "a_normal", "a_texCoord"});
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

bool FixedFunction::Use(const ProgramKey& key, const UniformSource& source, GlStateCache* gl) {
    Program& program = programs_[IndexOf(key)];
    if (program.name == 0 && !program.failed) {
        program = Build(key);
    }
    if (program.failed) {
        return false;
    }
    gl->UseProgram(program.name);
    UpdateUniforms(&program, source);
    return true;
}

void FixedFunction::UpdateUniforms(Program* program, const UniformSource& source) {
    const unsigned transformsVersion = source.versions.of[PART_TRANSFORMS];
    if (program->transformsVersion != transformsVersion) {
        const TransformUniforms transforms =
            ComputeTransforms(source.state, source.targetWidth, source.targetHeight);
        TransformUniforms& held = program->transforms;
        SetMatrix(program->worldViewProjection, transforms.worldViewProjection,
                  &held.worldViewProjection);
        if (program->lighting) {
            SetMatrix(program->worldView, transforms.worldView, &held.worldView);
        }
        program->transformsVersion = transformsVersion;
    }
    const unsigned lightingVersion = source.versions.of[PART_LIGHTING];
    if (program->lighting && program->lightingVersion != lightingVersion) {
        const LightingUniforms lighting = ComputeLighting(source.state);
        LightingUniforms& held = program->lightingValues;
        if (Differs(lighting.sceneColour, held.sceneColour, 4)) {
            glUniform4fv(program->sceneColour, 1, lighting.sceneColour);
        }
        // The program's key holds the number of lights, so it is the same in every lighting.
        const GLsizei lights = (GLsizei)lighting.lights;
        SetVectors(program->towardsLight, lights, lighting.towardsLight, held.towardsLight);
        SetVectors(program->lightAmbient, lights, lighting.ambient, held.ambient);
        SetVectors(program->lightDiffuse, lights, lighting.diffuse, held.diffuse);
        SetVectors(program->lightSpecular, lights, lighting.specular, held.specular);
        if (program->power != -1 && Differs(&lighting.power, &held.power, 1)) {
            glUniform1f(program->power, lighting.power);
        }
        program->lightingVersion = lightingVersion;
    }
}

void FixedFunction::Destroy(GlStateCache* gl) {
    for (Program& program : programs_) {
        if (program.name != 0) {
            gl->DeleteProgram(program.name);
        }
    }
    Forget();
}

void FixedFunction::Forget() {
    programs_.assign(PROGRAM_KEY_COUNT, Program());
}
