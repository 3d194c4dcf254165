#include "shader_sources.h"

const char GLSL_120_PRELUDE[] = "#version 120\n";

const char GLSL_ES_100_PRELUDE[] = "#version 100\n";

// Fragment shaders of GLSL ES have no default float precision: high where the host has it, else
// medium, which is enough for colours and the texture sizes drawn here.
const char GLSL_ES_100_FRAGMENT_PRECISION[] = "#ifdef GL_FRAGMENT_PRECISION_HIGH\n"
                                              "precision highp float;\n"
                                              "#else\n"
                                              "precision mediump float;\n"
                                              "#endif\n";

// Matrices are Direct3D's, uploaded as they are: a row-major matrix for row vectors read as a
// column-major GLSL matrix is its transpose, so M * v here is v * M in Direct3D. Everything is
// in Direct3D's camera space, where the eye looks down +z.
//
// The uniforms are two arrays, so that a draw sends at most two: u_transforms holds world, view
// and projection, then world and view; u_lighting the scene colour, then four vectors a light
// (fixed_function_uniforms.h). Per light, the products with the material colours come
// precomputed: ambient Ma La, diffuse Md Ld, specular Ms Ls with the material's power; the scene
// colour is the emissive colour plus Ma times the global ambient, with the lit alpha (the
// material's diffuse alpha).
const char FIXED_FUNCTION_VERTEX_SHADER[] = R"glsl(
attribute vec3 a_position;
attribute vec3 a_normal;
#ifdef LIGHTING
uniform mat4 u_transforms[2];
#else
uniform mat4 u_transforms[1];
#endif
varying vec4 v_diffuse;

#ifdef TEXTURED
attribute vec2 a_texCoord;
varying vec2 v_texCoord;
#endif

#ifdef LIGHTING
uniform vec4 u_lighting[1 + 4 * LIGHTS];
#if defined(SPECULAR) && defined(TEXTURED)
varying vec3 v_specular;
#endif
#endif

void main() {
    vec4 position = vec4(a_position, 1.0);
    gl_Position = u_transforms[0] * position;
#ifdef TEXTURED
    v_texCoord = a_texCoord;
#endif
#ifdef LIGHTING
    // The normal goes through the inverse transpose of world and view, as Direct3D's does: its
    // cofactors over its determinant, from the rows of the upper 3 x 3 (the columns here). A
    // singular matrix has no inverse; its cofactors alone still give the normal's direction.
    mat4 worldView = u_transforms[1];
    vec3 row0 = worldView[0].xyz;
    vec3 row1 = worldView[1].xyz;
    vec3 row2 = worldView[2].xyz;
    vec3 cofactors0 = cross(row1, row2);
    float determinant = dot(row0, cofactors0);
    vec3 normal = a_normal.x * cofactors0 + a_normal.y * cross(row2, row0) +
                  a_normal.z * cross(row0, row1);
    normal /= determinant != 0.0 ? determinant : 1.0;
#ifdef NORMALIZE
    normal = normalize(normal);
#endif
    vec3 diffuse = u_lighting[0].rgb;
#ifdef SPECULAR
#ifdef LOCAL_VIEWER
    vec3 towardsEye = -normalize((worldView * position).xyz);
#else
    vec3 towardsEye = vec3(0.0, 0.0, -1.0);
#endif
    vec3 specular = vec3(0.0);
#endif
#if LIGHTS > 0
    for (int i = 0; i < LIGHTS; ++i) {
        vec3 towardsLight = u_lighting[1 + 4 * i].xyz;
        float facing = dot(normal, towardsLight);
        diffuse += u_lighting[2 + 4 * i].rgb + u_lighting[3 + 4 * i].rgb * max(facing, 0.0);
#ifdef SPECULAR
        if (facing > 0.0) {
            vec4 specularAndPower = u_lighting[4 + 4 * i];
            vec3 halfway = normalize(towardsLight + towardsEye);
            specular += specularAndPower.rgb *
                        pow(max(dot(normal, halfway), 0.0), specularAndPower.w);
        }
#endif
    }
#endif
    v_diffuse = vec4(clamp(diffuse, 0.0, 1.0), u_lighting[0].a);
#if defined(SPECULAR) && defined(TEXTURED)
    v_specular = clamp(specular, 0.0, 1.0);
#elif defined(SPECULAR)
    // Without a texture the specular colour joins the diffuse one here: their sum, unclamped,
    // interpolates as the two would apart, and the target saturates it as after the addition.
    v_diffuse.rgb += clamp(specular, 0.0, 1.0);
#endif
#else
    // Unlit vertices without a colour of their own are white.
    v_diffuse = vec4(1.0);
#endif
}
)glsl";

// Stage 0 modulates the texture with the diffuse colour; the specular colour is added after it.
// Without a texture the diffuse colour, which then carries the specular too, passes through.
const char FIXED_FUNCTION_FRAGMENT_SHADER[] = R"glsl(
varying vec4 v_diffuse;
#ifdef TEXTURED
uniform sampler2D u_texture;
varying vec2 v_texCoord;
#ifdef SPECULAR
varying vec3 v_specular;
#endif
#endif

void main() {
#ifdef TEXTURED
    vec4 colour = texture2D(u_texture, v_texCoord) * v_diffuse;
#ifdef SPECULAR
    colour.rgb += v_specular;
#endif
#else
    vec4 colour = v_diffuse;
#endif
    gl_FragColor = colour;
}
)glsl";
