// The mip chain of a texture, built on the CPU with a box filter as D3DX builds it. Building it
// here rather than with glGenerateMipmap keeps start-up quick on software renderers, where the
// first glGenerateMipmap compiles a blit shader (about 100 ms on llvmpipe).
#pragma once

#include <cstdint>
#include <vector>

// The size of the level below a width x height level: each side halved, at least 1.
inline uint32_t NextMipSide(uint32_t side) {
    return side > 1 ? side / 2 : 1;
}

// Writes the level below a width x height level of 4-byte texels (rows packed) into next, each
// texel the rounded mean of the 2 x 2 texels it covers (of the 2 x 1 or 1 x 2 where a side is
// already 1). All four bytes are averaged alike.
void HalveMipLevel(const uint8_t* texels, uint32_t width, uint32_t height,
                   std::vector<uint8_t>* next);
