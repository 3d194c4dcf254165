// The cube every object is drawn with: 24 vertices (four per face, each face with its own normal
// and texture corners) and 36 indices forming 12 triangles.
#pragma once

#include <windows.h>

// Position and normal: the layout of D3DFVF_XYZ | D3DFVF_NORMAL.
struct LitVertex {
    float x, y, z;
    float nx, ny, nz;
};

// Position, normal and texture coordinates: the layout of D3DFVF_XYZ | D3DFVF_NORMAL |
// D3DFVF_TEX1.
struct TexturedVertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};

static_assert(sizeof(LitVertex) == 24, "LitVertex is six packed floats");
static_assert(sizeof(TexturedVertex) == 32, "TexturedVertex is eight packed floats");

const UINT CUBE_VERTEX_COUNT = 24;
const UINT CUBE_INDEX_COUNT = 36;
const UINT CUBE_TRIANGLE_COUNT = 12;

extern const TexturedVertex g_cubeVertices[CUBE_VERTEX_COUNT];
extern const WORD g_cubeIndices[CUBE_INDEX_COUNT];

// Writes the vertex table in a layout of the given stride: each vertex keeps its leading
// stride / 4 columns, so a stride of sizeof(LitVertex) drops the texture coordinates.
void WriteCubeVertices(void* destination, UINT stride);
