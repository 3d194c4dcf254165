#include "translate.h"

#include <cstdint>

bool TranslateCullMode(DWORD mode, CullSetting* setting) {
    switch (mode) {
    case D3DCULL_NONE:
        *setting = {false, GL_BACK};
        return true;
    case D3DCULL_CW:
        *setting = {true, GL_FRONT};
        return true;
    case D3DCULL_CCW:
        *setting = {true, GL_BACK};
        return true;
    default:
        return false;
    }
}

bool TranslateCompareFunction(DWORD function, GLenum* glFunction) {
    switch (function) {
    case D3DCMP_NEVER:
        *glFunction = GL_NEVER;
        return true;
    case D3DCMP_LESS:
        *glFunction = GL_LESS;
        return true;
    case D3DCMP_EQUAL:
        *glFunction = GL_EQUAL;
        return true;
    case D3DCMP_LESSEQUAL:
        *glFunction = GL_LEQUAL;
        return true;
    case D3DCMP_GREATER:
        *glFunction = GL_GREATER;
        return true;
    case D3DCMP_NOTEQUAL:
        *glFunction = GL_NOTEQUAL;
        return true;
    case D3DCMP_GREATEREQUAL:
        *glFunction = GL_GEQUAL;
        return true;
    case D3DCMP_ALWAYS:
        *glFunction = GL_ALWAYS;
        return true;
    default:
        return false;
    }
}

bool TranslateShadeMode(DWORD mode, GLenum* glMode) {
    switch (mode) {
    case D3DSHADE_FLAT:
        *glMode = GL_FLAT;
        return true;
    case D3DSHADE_GOURAUD:
        *glMode = GL_SMOOTH;
        return true;
    default:
        return false;
    }
}

bool TranslateDepthEnable(DWORD value, bool* enabled) {
    switch (value) {
    case D3DZB_FALSE:
        *enabled = false;
        return true;
    case D3DZB_TRUE:
        *enabled = true;
        return true;
    default:
        return false;
    }
}

bool TranslatePrimitiveType(D3DPRIMITIVETYPE type, UINT primitiveCount, DrawShape* shape) {
    const uint64_t count = primitiveCount;
    uint64_t indexCount = 0;
    GLenum mode = GL_POINTS;
    switch (type) {
    case D3DPT_POINTLIST:
        indexCount = count;
        break;
    case D3DPT_LINELIST:
        mode = GL_LINES;
        indexCount = count * 2;
        break;
    case D3DPT_LINESTRIP:
        mode = GL_LINE_STRIP;
        indexCount = count + 1;
        break;
    case D3DPT_TRIANGLELIST:
        mode = GL_TRIANGLES;
        indexCount = count * 3;
        break;
    case D3DPT_TRIANGLESTRIP:
        mode = GL_TRIANGLE_STRIP;
        indexCount = count + 2;
        break;
    case D3DPT_TRIANGLEFAN:
        mode = GL_TRIANGLE_FAN;
        indexCount = count + 2;
        break;
    default:
        return false;
    }
    // GL counts indices in a signed int.
    if (indexCount > (uint64_t)INT32_MAX) {
        return false;
    }
    *shape = {mode, (GLsizei)indexCount};
    return true;
}

bool TranslateVertexFormat(DWORD fvf, VertexLayout* layout) {
    const UINT position = 3 * sizeof(float);
    const UINT normal = 3 * sizeof(float);
    const UINT texCoords = 2 * sizeof(float);
    switch (fvf) {
    case D3DFVF_XYZ | D3DFVF_NORMAL:
        *layout = {true, false, position, 0, position + normal};
        return true;
    case D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1:
        *layout = {true, true, position, position + normal, position + normal + texCoords};
        return true;
    default:
        return false;
    }
}

bool TranslateIndexFormat(D3DFORMAT format, IndexLayout* layout) {
    switch (format) {
    case D3DFMT_INDEX16:
        *layout = {GL_UNSIGNED_SHORT, 2};
        return true;
    case D3DFMT_INDEX32:
        *layout = {GL_UNSIGNED_INT, 4};
        return true;
    default:
        return false;
    }
}

bool TranslateMinFilter(DWORD minFilter, DWORD mipFilter, GLint* glFilter) {
    switch (minFilter << 8 | mipFilter) {
    case D3DTEXF_POINT << 8 | D3DTEXF_NONE:
        *glFilter = GL_NEAREST;
        return true;
    case D3DTEXF_LINEAR << 8 | D3DTEXF_NONE:
        *glFilter = GL_LINEAR;
        return true;
    case D3DTEXF_POINT << 8 | D3DTEXF_POINT:
        *glFilter = GL_NEAREST_MIPMAP_NEAREST;
        return true;
    case D3DTEXF_LINEAR << 8 | D3DTEXF_POINT:
        *glFilter = GL_LINEAR_MIPMAP_NEAREST;
        return true;
    case D3DTEXF_POINT << 8 | D3DTEXF_LINEAR:
        *glFilter = GL_NEAREST_MIPMAP_LINEAR;
        return true;
    case D3DTEXF_LINEAR << 8 | D3DTEXF_LINEAR:
        *glFilter = GL_LINEAR_MIPMAP_LINEAR;
        return true;
    default:
        return false;
    }
}

bool TranslateMagFilter(DWORD magFilter, GLint* glFilter) {
    switch (magFilter) {
    case D3DTEXF_POINT:
        *glFilter = GL_NEAREST;
        return true;
    case D3DTEXF_LINEAR:
        *glFilter = GL_LINEAR;
        return true;
    default:
        return false;
    }
}

bool TranslatePresentationInterval(UINT interval, int* swapInterval) {
    switch (interval) {
    case D3DPRESENT_INTERVAL_DEFAULT:
    case D3DPRESENT_INTERVAL_ONE:
        *swapInterval = 1;
        return true;
    case D3DPRESENT_INTERVAL_IMMEDIATE:
        *swapInterval = 0;
        return true;
    default:
        return false;
    }
}
