// Decoding a JPEG file's bytes, by the host's decoder.
#pragma once

#include "image_file.h"

#include <cstddef>
#include <cstdint>

// Progressive images of more scans are refused: each scan is a pass over the whole image, and a
// small file of many can keep the decoder for minutes.
const int MAX_JPEG_SCANS = 500;

// Decodes a whole JPEG image. Refuses, before allocating any pixels, an image wider or higher than
// maxSide. Returns D3D_OK, D3DXERR_INVALIDDATA for bytes that are not a complete JPEG image or
// are a progressive one of too many scans, D3DERR_NOTAVAILABLE for an image that is too large, or
// E_OUTOFMEMORY.
HRESULT DecodeJpeg(const uint8_t* bytes, size_t size, UINT maxSide, DecodedImage* image);
