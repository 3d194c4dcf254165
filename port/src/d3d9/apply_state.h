// The one place where recorded device state becomes OpenGL state: at draw time, for the parts
// that changed since the last draw.
#pragma once

#include "buffers.h"
#include "device_state.h"
#include "texture.h"

// What a draw binds besides the recorded values. The buffers are never null.
struct DrawBindings {
    VertexBuffer* stream;
    IndexBuffer* indices;
    Texture* texture;
    INT baseVertex;
    UINT targetWidth;
    UINT targetHeight;
};

// GL state that never changes, set once when a device's context is new: Direct3D's clockwise
// front faces, the modulating texture stage, the modelview matrix mode the draws expect.
void SetFixedGlState();

// Applies the parts of the state that dirty names; the context must be current.
void ApplyState(const DeviceState& state, const DrawBindings& bindings, unsigned dirty);
