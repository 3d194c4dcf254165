#include "call_names.h"

#include "../gl_call_text.h"
#include "../render_states.h"

#include <cstdio>
#include <initializer_list>

namespace {

struct Named {
    DWORD value;
    const char* name;
};

// A constant with its own token as its name.
#define NAMED(token)                                                                               \
    Named {                                                                                        \
        (DWORD)(token), #token                                                                     \
    }

std::string NameAmong(DWORD value, std::initializer_list<Named> constants) {
    for (const Named& constant : constants) {
        if (constant.value == value) {
            return constant.name;
        }
    }
    return std::to_string(value);
}

std::string Hexadecimal(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08x", value);
    return text;
}

std::string FlagsAmong(DWORD value, std::initializer_list<Named> flags) {
    std::string text;
    for (const Named& flag : flags) {
        if ((value & flag.value) == flag.value) {
            text += (text.empty() ? "" : " | ") + std::string(flag.name);
            value &= ~flag.value;
        }
    }
    if (value != 0) {
        text += (text.empty() ? "" : " | ") + Hexadecimal(value);
    }
    return text.empty() ? "0" : text;
}

} // namespace

std::string RenderStateName(D3DRENDERSTATETYPE state) {
    const RenderStateRow* row = RenderStateRowOf(state);
    return row != nullptr ? row->name : std::to_string((DWORD)state);
}

std::string RenderStateValueName(D3DRENDERSTATETYPE state, DWORD value) {
    const RenderStateRow* row = RenderStateRowOf(state);
    if (row == nullptr) {
        return std::to_string(value);
    }
    switch (row->values) {
    case RenderStateValues::BOOLEAN:
        return BooleanName((BOOL)value);
    case RenderStateValues::COLOUR:
        return ColourName(value);
    case RenderStateValues::DEPTH_BUFFER:
        return NameAmong(value, {NAMED(D3DZB_FALSE), NAMED(D3DZB_TRUE)});
    case RenderStateValues::COMPARE:
        return NameAmong(value,
                         {NAMED(D3DCMP_NEVER), NAMED(D3DCMP_LESS), NAMED(D3DCMP_EQUAL),
                          NAMED(D3DCMP_LESSEQUAL), NAMED(D3DCMP_GREATER), NAMED(D3DCMP_NOTEQUAL),
                          NAMED(D3DCMP_GREATEREQUAL), NAMED(D3DCMP_ALWAYS)});
    case RenderStateValues::CULL:
        return NameAmong(value, {NAMED(D3DCULL_NONE), NAMED(D3DCULL_CW), NAMED(D3DCULL_CCW)});
    case RenderStateValues::SHADE:
        return NameAmong(value, {NAMED(D3DSHADE_FLAT), NAMED(D3DSHADE_GOURAUD)});
    case RenderStateValues::COLOUR_SOURCE:
        return NameAmong(value,
                         {NAMED(D3DMCS_MATERIAL), NAMED(D3DMCS_COLOR1), NAMED(D3DMCS_COLOR2)});
    }
    return std::to_string(value);
}

std::string TransformStateName(D3DTRANSFORMSTATETYPE state) {
    return NameAmong(state, {NAMED(D3DTS_WORLD), NAMED(D3DTS_VIEW), NAMED(D3DTS_PROJECTION)});
}

std::string SamplerStateName(D3DSAMPLERSTATETYPE type) {
    return NameAmong(
        type, {NAMED(D3DSAMP_MAGFILTER), NAMED(D3DSAMP_MINFILTER), NAMED(D3DSAMP_MIPFILTER)});
}

std::string TextureFilterName(DWORD filter) {
    return NameAmong(filter, {NAMED(D3DTEXF_NONE), NAMED(D3DTEXF_POINT), NAMED(D3DTEXF_LINEAR)});
}

std::string PrimitiveTypeName(D3DPRIMITIVETYPE type) {
    return NameAmong(type, {NAMED(D3DPT_POINTLIST), NAMED(D3DPT_LINELIST), NAMED(D3DPT_LINESTRIP),
                            NAMED(D3DPT_TRIANGLELIST), NAMED(D3DPT_TRIANGLESTRIP),
                            NAMED(D3DPT_TRIANGLEFAN)});
}

std::string ClearFlagsName(DWORD flags) {
    return FlagsAmong(flags, {NAMED(D3DCLEAR_TARGET), NAMED(D3DCLEAR_ZBUFFER)});
}

std::string VertexFormatName(DWORD fvf) {
    return FlagsAmong(fvf, {NAMED(D3DFVF_XYZ), NAMED(D3DFVF_NORMAL), NAMED(D3DFVF_TEX1)});
}

std::string LightTypeName(D3DLIGHTTYPE type) {
    return NameAmong(type,
                     {NAMED(D3DLIGHT_POINT), NAMED(D3DLIGHT_SPOT), NAMED(D3DLIGHT_DIRECTIONAL)});
}

std::string FormatName(D3DFORMAT format) {
    return NameAmong(format, {NAMED(D3DFMT_UNKNOWN), NAMED(D3DFMT_A8R8G8B8), NAMED(D3DFMT_X8R8G8B8),
                              NAMED(D3DFMT_D16), NAMED(D3DFMT_INDEX16), NAMED(D3DFMT_INDEX32)});
}

std::string PoolName(D3DPOOL pool) {
    return NameAmong(pool,
                     {NAMED(D3DPOOL_DEFAULT), NAMED(D3DPOOL_MANAGED), NAMED(D3DPOOL_SYSTEMMEM)});
}

std::string ResultName(HRESULT result) {
    const std::string name =
        NameAmong((DWORD)result, {NAMED(D3D_OK), NAMED(D3DERR_INVALIDCALL),
                                  NAMED(D3DERR_DEVICELOST), NAMED(D3DERR_DEVICENOTRESET),
                                  NAMED(D3DERR_NOTAVAILABLE), NAMED(D3DERR_OUTOFVIDEOMEMORY),
                                  NAMED(D3DERR_WRONGTEXTUREFORMAT), NAMED(E_OUTOFMEMORY)});
    return name == std::to_string((DWORD)result) ? Hexadecimal((DWORD)result) : name;
}

std::string BooleanName(BOOL value) {
    return value == FALSE ? "FALSE" : value == TRUE ? "TRUE" : std::to_string(value);
}

std::string ColourName(D3DCOLOR colour) {
    return Hexadecimal(colour);
}

std::string FloatName(float value) {
    return GlArgumentText(value);
}
