// Direct3D 9 values to OpenGL values: each family in one function with one switch. Each returns
// false for a value the stand-in does not draw, and the caller answers D3DERR_INVALIDCALL.
#pragma once

#include "gl.h"

#include <d3d9.h>

// Culling: the device makes Direct3D's front faces GL's front faces once (SetFixedGlState), so
// D3DCULL_CCW, which culls faces winding counter-clockwise on screen, culls GL_BACK.
struct CullSetting {
    bool enabled;
    GLenum face;
};
bool TranslateCullMode(DWORD mode, CullSetting* setting);

bool TranslateCompareFunction(DWORD function, GLenum* glFunction);

bool TranslateShadeMode(DWORD mode, GLenum* glMode);

bool TranslateDepthEnable(DWORD value, bool* enabled);

// A draw's primitive type and count as a GL mode and the number of indices it reads.
struct DrawShape {
    GLenum mode;
    GLsizei indexCount;
};
// False for an unknown type, or more indices than GL can count.
bool TranslatePrimitiveType(D3DPRIMITIVETYPE type, UINT primitiveCount, DrawShape* shape);

// Where the attributes of a flexible vertex format sit in each vertex. Position is always three
// floats at offset 0.
struct VertexLayout {
    bool hasNormal;
    bool hasTexCoords;
    UINT normalOffset;
    UINT texCoordOffset;
    UINT size;
};
bool TranslateVertexFormat(DWORD fvf, VertexLayout* layout);

struct IndexLayout {
    GLenum type;
    UINT size;
};
bool TranslateIndexFormat(D3DFORMAT format, IndexLayout* layout);

// The minification filter together with the mip filter, as GL folds them into one.
bool TranslateMinFilter(DWORD minFilter, DWORD mipFilter, GLint* glFilter);
bool TranslateMagFilter(DWORD magFilter, GLint* glFilter);

// DEFAULT and ONE wait for the retrace (interval 1); IMMEDIATE does not (0).
bool TranslatePresentationInterval(UINT interval, int* swapInterval);
