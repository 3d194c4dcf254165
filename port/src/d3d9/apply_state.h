// The one place where recorded device state becomes OpenGL state: at draw time, for the parts
// that changed since the last draw.
#pragma once

#include "buffers.h"
#include "device_state.h"
#include "pipeline/fixed_function.h"
#include "texture.h"
#include "translate.h"

// What a draw binds besides the recorded values. The buffers are never null.
struct DrawBindings {
    VertexBuffer* stream;
    IndexBuffer* indices;
    Texture* texture;
    VertexLayout layout;
    INT baseVertex;
    UINT targetWidth;
    UINT targetHeight;
};

// GL state that never changes, set once when a device's context is new: Direct3D's clockwise
// front faces, and the position attribute, which every draw reads.
void SetFixedGlState();

// Applies the parts of the state that dirty names; the context must be current. False when a
// recorded value cannot be drawn, the program for the states does not build, or the texture
// cannot be made: the draw is then refused.
bool ApplyState(const DeviceState& state, const DrawBindings& bindings, unsigned dirty,
                FixedFunction* pipeline);
