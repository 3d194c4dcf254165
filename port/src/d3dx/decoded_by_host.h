// Images a host has decoded before the loader asks for them: the browser host has the page decode
// the JPEG files it fetches for the program while the program's code is still compiling, so the
// loader need not decode them again on the program's thread.
#pragma once

#include "image_file.h"

#include <cstddef>
#include <cstdint>

// When the host holds the pixels of this very JPEG stream, decoded as libjpeg decodes it, moves
// them into image (width x height as the stream's header says, B, G, R, X) and returns true; the
// host gives each decoded stream once. Returns false, image untouched, when it holds none, or
// when it cannot give them (no memory): the loader then decodes the stream itself.
bool TakeImageDecodedByHost(const uint8_t* bytes, size_t size, DecodedImage* image);
