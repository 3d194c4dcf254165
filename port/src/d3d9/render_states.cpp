#include "render_states.h"

#include "translate.h"

namespace {

bool AnyValue(DWORD) {
    return true;
}

// Where the lit colours come from. The stand-in's vertices carry no colours, so with every
// source the material's colour is used, as Direct3D does for a colour the vertex lacks.
bool IsMaterialColourSource(DWORD source) {
    return source == D3DMCS_MATERIAL || source == D3DMCS_COLOR1 || source == D3DMCS_COLOR2;
}

const RenderStateRow RENDER_STATES[] = {
    {D3DRS_ZENABLE, D3DZB_TRUE, [](DWORD v) { return TranslateDepthEnable(v).has_value(); },
     PART_RASTER},
    {D3DRS_ZFUNC, D3DCMP_LESSEQUAL, [](DWORD v) { return TranslateCompareFunction(v).has_value(); },
     PART_RASTER},
    {D3DRS_CULLMODE, D3DCULL_CCW, [](DWORD v) { return TranslateCullMode(v).has_value(); },
     PART_RASTER},
    {D3DRS_DITHERENABLE, FALSE, AnyValue, PART_RASTER},
    {D3DRS_SHADEMODE, D3DSHADE_GOURAUD, IsDrawnShadeMode, PART_NONE},
    {D3DRS_LIGHTING, TRUE, AnyValue, PART_PROGRAM},
    {D3DRS_SPECULARENABLE, FALSE, AnyValue, PART_PROGRAM},
    {D3DRS_LOCALVIEWER, TRUE, AnyValue, PART_PROGRAM},
    {D3DRS_NORMALIZENORMALS, FALSE, AnyValue, PART_PROGRAM},
    {D3DRS_AMBIENT, 0, AnyValue, PART_LIGHTING},
    {D3DRS_SPECULARMATERIALSOURCE, D3DMCS_COLOR2, IsMaterialColourSource, PART_NONE},
};

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
