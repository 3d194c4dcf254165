#include "translate.h"

#include <cstdint>

std::optional<CullSetting> TranslateCullMode(DWORD mode) {
    switch (mode) {
    case D3DCULL_NONE:
        return CullSetting{false, GL_BACK};
    case D3DCULL_CW:
        return CullSetting{true, GL_FRONT};
    case D3DCULL_CCW:
        return CullSetting{true, GL_BACK};
    default:
        return std::nullopt;
    }
}

std::optional<GLenum> TranslateCompareFunction(DWORD function) {
    switch (function) {
    case D3DCMP_NEVER:
        return GL_NEVER;
    case D3DCMP_LESS:
        return GL_LESS;
    case D3DCMP_EQUAL:
        return GL_EQUAL;
    case D3DCMP_LESSEQUAL:
        return GL_LEQUAL;
    case D3DCMP_GREATER:
        return GL_GREATER;
    case D3DCMP_NOTEQUAL:
        return GL_NOTEQUAL;
    case D3DCMP_GREATEREQUAL:
        return GL_GEQUAL;
    case D3DCMP_ALWAYS:
        return GL_ALWAYS;
    default:
        return std::nullopt;
    }
}

std::optional<bool> TranslateDepthEnable(DWORD value) {
    switch (value) {
    case D3DZB_FALSE:
        return false;
    case D3DZB_TRUE:
        return true;
    default:
        return std::nullopt;
    }
}

bool IsDrawnShadeMode(DWORD mode) {
    switch (mode) {
    case D3DSHADE_GOURAUD:
        return true;
    default:
        return false;
    }
}

std::optional<DrawShape> TranslatePrimitiveType(D3DPRIMITIVETYPE type, UINT primitiveCount) {
    const uint64_t count = primitiveCount;
    uint64_t indexCount = 0;
    GLenum mode = GL_TRIANGLES;
    switch (type) {
    case D3DPT_TRIANGLELIST:
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
        return std::nullopt;
    }
    // GL counts indices in a signed int.
    if (indexCount > (uint64_t)INT32_MAX) {
        return std::nullopt;
    }
    return DrawShape{mode, (GLsizei)indexCount};
}

std::optional<VertexLayout> TranslateVertexFormat(DWORD fvf) {
    const UINT position = 3 * sizeof(float);
    const UINT normal = 3 * sizeof(float);
    const UINT texCoords = 2 * sizeof(float);
    switch (fvf) {
    case D3DFVF_XYZ | D3DFVF_NORMAL:
        return VertexLayout{false, position, 0, position + normal};
    case D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1:
        return VertexLayout{true, position, position + normal, position + normal + texCoords};
    default:
        return std::nullopt;
    }
}

std::optional<IndexLayout> TranslateIndexFormat(D3DFORMAT format) {
    switch (format) {
    case D3DFMT_INDEX16:
        return IndexLayout{GL_UNSIGNED_SHORT, 2};
    case D3DFMT_INDEX32:
        return IndexLayout{GL_UNSIGNED_INT, 4};
    default:
        return std::nullopt;
    }
}

std::optional<GLint> TranslateMinFilter(DWORD minFilter, DWORD mipFilter) {
    switch (minFilter << 8 | mipFilter) {
    case D3DTEXF_POINT << 8 | D3DTEXF_NONE:
        return GL_NEAREST;
    case D3DTEXF_LINEAR << 8 | D3DTEXF_NONE:
        return GL_LINEAR;
    case D3DTEXF_POINT << 8 | D3DTEXF_POINT:
        return GL_NEAREST_MIPMAP_NEAREST;
    case D3DTEXF_LINEAR << 8 | D3DTEXF_POINT:
        return GL_LINEAR_MIPMAP_NEAREST;
    case D3DTEXF_POINT << 8 | D3DTEXF_LINEAR:
        return GL_NEAREST_MIPMAP_LINEAR;
    case D3DTEXF_LINEAR << 8 | D3DTEXF_LINEAR:
        return GL_LINEAR_MIPMAP_LINEAR;
    default:
        return std::nullopt;
    }
}

std::optional<GLint> TranslateMagFilter(DWORD magFilter) {
    switch (magFilter) {
    case D3DTEXF_POINT:
        return GL_NEAREST;
    case D3DTEXF_LINEAR:
        return GL_LINEAR;
    default:
        return std::nullopt;
    }
}

std::optional<int> TranslatePresentationInterval(UINT interval) {
    switch (interval) {
    case D3DPRESENT_INTERVAL_DEFAULT:
    case D3DPRESENT_INTERVAL_ONE:
        return 1;
    case D3DPRESENT_INTERVAL_IMMEDIATE:
        return 0;
    default:
        return std::nullopt;
    }
}
