// The mip chain of a texture, each level built from the one above with D3DX's box filter.
#pragma once

#include <cstddef>
#include <cstdint>

// The size of the level below a level's side: halved, at least 1.
inline uint32_t NextMipSide(uint32_t side) {
    return side > 1 ? side / 2 : 1;
}

// Writes the level below a width x height level of 4-byte texels into destination, each texel the
// rounded mean of the 2 x 2 texels it covers (of the 2 x 1 or 1 x 2 where a side is already 1).
// All four bytes are averaged alike. Rows are sourcePitch and destinationPitch bytes apart.
void HalveMipLevel(const uint8_t* source, size_t sourcePitch, uint32_t width, uint32_t height,
                   uint8_t* destination, size_t destinationPitch);
