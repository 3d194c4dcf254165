// The one place where recorded device state becomes OpenGL state: at each draw, from the record
// alone, through the context's GL state cache, which calls GL only for what differs from what the
// context holds (whoever set it last). The setters admitted only values the draw can translate,
// so every recorded value translates here.
#pragma once

#include "buffers.h"
#include "device_state.h"
#include "gl_state_cache.h"
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

// Applies the raster state, the texture with its filters, the vertex input and the indices; the
// context must be current and the draw's program in use. False when the texture cannot be made:
// the draw is then refused.
bool ApplyState(const DeviceState& state, const DrawBindings& bindings, GlStateCache* gl);
