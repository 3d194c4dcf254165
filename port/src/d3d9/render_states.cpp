#include "render_states.h"

#include "translate.h"

namespace {

bool AnyValue(DWORD) {
    return true;
}

bool IsDepthEnable(DWORD value) {
    return TranslateDepthEnable(value).has_value();
}

bool IsCompareFunction(DWORD value) {
    return TranslateCompareFunction(value).has_value();
}

bool IsCullMode(DWORD value) {
    return TranslateCullMode(value).has_value();
}

// Where the lit colours come from. The stand-in's vertices carry no colours, so with every
// source the material's colour is used, as Direct3D does for a colour the vertex lacks.
bool IsMaterialColourSource(DWORD source) {
    return source == D3DMCS_MATERIAL || source == D3DMCS_COLOR1 || source == D3DMCS_COLOR2;
}

// A row of the table, named by the state's own token.
#define ROW(state, values, ...)                                                                    \
    { state, #state, RenderStateValues::values, __VA_ARGS__ }

const RenderStateRow RENDER_STATES[] = {
    ROW(D3DRS_ZENABLE, DEPTH_BUFFER, D3DZB_TRUE, IsDepthEnable, PART_RASTER),
    ROW(D3DRS_ZFUNC, COMPARE, D3DCMP_LESSEQUAL, IsCompareFunction, PART_RASTER),
    ROW(D3DRS_CULLMODE, CULL, D3DCULL_CCW, IsCullMode, PART_RASTER),
    ROW(D3DRS_DITHERENABLE, BOOLEAN, FALSE, AnyValue, PART_RASTER),
    ROW(D3DRS_SHADEMODE, SHADE, D3DSHADE_GOURAUD, IsDrawnShadeMode, PART_NONE),
    ROW(D3DRS_LIGHTING, BOOLEAN, TRUE, AnyValue, PART_PROGRAM),
    ROW(D3DRS_SPECULARENABLE, BOOLEAN, FALSE, AnyValue, PART_LIGHTING),
    ROW(D3DRS_LOCALVIEWER, BOOLEAN, TRUE, AnyValue, PART_PROGRAM),
    ROW(D3DRS_NORMALIZENORMALS, BOOLEAN, FALSE, AnyValue, PART_PROGRAM),
    ROW(D3DRS_AMBIENT, COLOUR, 0, AnyValue, PART_LIGHTING),
    ROW(D3DRS_SPECULARMATERIALSOURCE, COLOUR_SOURCE, D3DMCS_COLOR2, IsMaterialColourSource,
        PART_NONE),
};

#undef ROW

} // namespace

const RenderStateRow* RenderStateRows(size_t* count) {
    *count = sizeof(RENDER_STATES) / sizeof(RENDER_STATES[0]);
    return RENDER_STATES;
}

const RenderStateRow* RenderStateRowOf(D3DRENDERSTATETYPE state) {
    for (const RenderStateRow& row : RENDER_STATES) {
        if (row.state == state) {
            return &row;
        }
    }
    return nullptr;
}

void SetDefaultRenderStates(DWORD* renderStates, bool hasDepthBuffer) {
    for (const RenderStateRow& row : RENDER_STATES) {
        renderStates[row.state] = row.defaultValue;
    }
    if (!hasDepthBuffer) {
        renderStates[D3DRS_ZENABLE] = D3DZB_FALSE;
    }
}
