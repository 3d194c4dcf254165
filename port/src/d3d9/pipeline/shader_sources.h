// The GLSL of the stand-in: one source per shader, written in the language GLSL 1.20 and GLSL ES
// 1.00 share; a short prelude per dialect goes before it (glsl_program.h).
#pragma once

// Direct3D 9's fixed-function vertex processing and texture stage 0. Which parts a program has
// comes from #defines put before the source (program_key.h): LIGHTING, LIGHTS (the number of
// enabled lights), LOCAL_VIEWER, NORMALIZE, TEXTURED.
extern const char FIXED_FUNCTION_VERTEX_SHADER[];
extern const char FIXED_FUNCTION_FRAGMENT_SHADER[];

// The dialect preludes: desktop OpenGL 2.1, and OpenGL ES 2.0 / WebGL 1, whose fragment shaders
// also need a default precision.
extern const char GLSL_120_PRELUDE[];
extern const char GLSL_ES_100_PRELUDE[];
extern const char GLSL_ES_100_FRAGMENT_PRECISION[];
