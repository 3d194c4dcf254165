#include "mip_chain.h"

void HalveMipLevel(const uint8_t* source, size_t sourcePitch, uint32_t width, uint32_t height,
                   uint8_t* destination, size_t destinationPitch) {
    const uint32_t nextWidth = NextMipSide(width);
    const uint32_t nextHeight = NextMipSide(height);
    // Where a side is 1 already, the second texel along it is the first again, so that a 2 x 1
    // mean comes out of the same sum of four.
    const size_t stepX = width > 1 ? 4 : 0;
    const size_t stepY = height > 1 ? sourcePitch : 0;
    for (uint32_t y = 0; y < nextHeight; ++y) {
        const uint8_t* row = source + (size_t)y * 2 * sourcePitch;
        uint8_t* out = destination + (size_t)y * destinationPitch;
        for (uint32_t x = 0; x < nextWidth; ++x) {
            const uint8_t* texel = row + (size_t)x * 8;
            for (int byte = 0; byte < 4; ++byte) {
                const unsigned sum = texel[byte] + texel[stepX + byte] + texel[stepY + byte] +
                                     texel[stepY + stepX + byte];
                *out++ = (uint8_t)((sum + 2) / 4);
            }
        }
    }
}
