// For the builds whose host decodes no images ahead of the loader (Windows, which links our D3DX
// in place of its runtime's).
#include "decoded_by_host.h"

bool TakeImageDecodedByHost(const uint8_t*, size_t, DecodedImage*) {
    return false;
}
