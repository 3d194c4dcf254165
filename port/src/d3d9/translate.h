// Direct3D 9 values to OpenGL ES 2.0 values: each family in one function with one switch. Each
// returns the translated value, or nothing for a value the stand-in does not draw; the caller
// then answers D3DERR_INVALIDCALL.
#pragma once

#include "gles2.h"

#include <d3d9.h>

#include <optional>

// Culling: every draw makes Direct3D's front faces GL's front faces (prepare_draw.cpp), so
// D3DCULL_CCW, which culls faces winding counter-clockwise on screen, culls GL_BACK.
struct CullSetting {
    bool enabled;
    GLenum face;
};
std::optional<CullSetting> TranslateCullMode(DWORD mode);

std::optional<GLenum> TranslateCompareFunction(DWORD function);

// Whether the depth test is on. D3DZB_USEW is not drawn.
std::optional<bool> TranslateDepthEnable(DWORD value);

// Whether the shade mode is drawn: Gouraud only, as GLSL ES 1.00 has no flat interpolation.
bool IsDrawnShadeMode(DWORD mode);

// A draw's primitive type and count as a GL mode and the number of indices it reads.
struct DrawShape {
    GLenum mode;
    GLsizei indexCount;
};
// Triangles only: Direct3D 9 rasterises points and lines by rules of its own (the diamond test,
// point sizes) that OpenGL's do not follow. Nothing for them, an unknown type, or more indices
// than GL can count.
std::optional<DrawShape> TranslatePrimitiveType(D3DPRIMITIVETYPE type, UINT primitiveCount);

// Where the attributes of a flexible vertex format sit in each vertex. Position is always three
// floats at offset 0, followed by a normal.
struct VertexLayout {
    bool hasTexCoords;
    UINT normalOffset;
    UINT texCoordOffset;
    UINT size;
};
std::optional<VertexLayout> TranslateVertexFormat(DWORD fvf);

struct IndexLayout {
    GLenum type;
    UINT size;
};
// 32-bit indices need OES_element_index_uint on OpenGL ES 2.0 and WebGL 1 (desktop OpenGL has
// them); the browser host turns it on with its context.
std::optional<IndexLayout> TranslateIndexFormat(D3DFORMAT format);

// The minification filter together with the mip filter, as GL folds them into one.
std::optional<GLint> TranslateMinFilter(DWORD minFilter, DWORD mipFilter);
std::optional<GLint> TranslateMagFilter(DWORD magFilter);

// DEFAULT and ONE wait for the retrace (interval 1); IMMEDIATE does not (0).
std::optional<int> TranslatePresentationInterval(UINT interval);
