// The one place where recorded device state becomes OpenGL state: at draw time, from the record
// alone. The setters admitted only values the draw can translate, so every recorded value
// translates here.
#pragma once

#include "buffers.h"
#include "device_state.h"
#include "texture.h"
#include "translate.h"

// What a draw binds besides the recorded values. The buffers are never null.
struct DrawBindings {
    VertexBuffer* stream;
    IndexBuffer* indices;
    Texture* texture;
    VertexLayout layout;
    INT baseVertex;
};

// GL state that never changes, set once when a device's context is new: Direct3D's clockwise
// front faces, and the position attribute, which every draw reads.
void SetFixedGlState();

// Applies the raster state, the texture with its filters, the vertex input and the indices; the
// context must be current and the draw's program in use. False when the texture cannot be made:
// the draw is then refused.
bool ApplyState(const DeviceState& state, const DrawBindings& bindings);
