// The render states the stand-in supports, in one table: for each, its name, how its values are
// named, Direct3D 9's default, the
// values it accepts (checked once, by SetRenderState, so that the draw takes every recorded value
// as drawable) and the parts of the draw its value feeds. A state the table lacks is refused.
#pragma once

#include "device_state.h"

#include <cstddef>

// How a state's values are named: TRUE and FALSE, a D3DCOLOR in hexadecimal, or the constants of
// one family.
enum class RenderStateValues { BOOLEAN, COLOUR, DEPTH_BUFFER, COMPARE, CULL, SHADE, COLOUR_SOURCE };

struct RenderStateRow {
    D3DRENDERSTATETYPE state;
    // The state's own name, "D3DRS_ZENABLE".
    const char* name;
    RenderStateValues values;
    DWORD defaultValue;
    bool (*accepts)(DWORD value);
    // The DrawPart bits of the parts made from it (device_state.h).
    unsigned feeds;
};

// Every row, and how many there are.
const RenderStateRow* RenderStateRows(size_t* count);

// The state's row, or null for a state the stand-in does not support.
const RenderStateRow* RenderStateRowOf(D3DRENDERSTATETYPE state);

// Every supported state at its default, the depth test on only with an automatic depth buffer.
void SetDefaultRenderStates(DWORD* renderStates, bool hasDepthBuffer);
