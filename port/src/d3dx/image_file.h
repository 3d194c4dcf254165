// Reading an image file into memory as 32-bit pixels, for the texture loader.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

// Pixels in B, G, R, X byte order, top row first, rows packed: width * height * 4 bytes.
struct DecodedImage {
    UINT width = 0;
    UINT height = 0;
    std::unique_ptr<uint8_t[]> pixels;
};

// Decodes the JPEG file at path. Refuses, before allocating any pixels, an image wider or higher
// than maxSide, and, as soon as a scan that passes it begins, one whose scans take more decoding
// work than the budget (jpeg_decoder.h). Returns D3D_OK, D3DXERR_INVALIDDATA for a file that is
// missing, unreadable, not a regular file, not a complete JPEG image, or over the work budget,
// D3DERR_NOTAVAILABLE for an image that is too large, or E_OUTOFMEMORY.
HRESULT DecodeImageFile(const char* path, UINT maxSide, DecodedImage* image);

// A buffer for width x height pixels, or null when the memory is not there.
std::unique_ptr<uint8_t[]> NewPixels(UINT width, UINT height);

// The smallest power of two that is at least side: the texture's side for an image's.
UINT NextPowerOfTwo(UINT side);

// Writes the image, scaled to width x height where its size differs, into rows pitch bytes apart
// at destination (a locked texture level, so that no scaled copy of the image is held beside the
// texture). Returns D3D_OK, or E_OUTOFMEMORY when the scaler's working memory is not there.
HRESULT CopyScaled(const DecodedImage& image, UINT width, UINT height, uint8_t* destination,
                   size_t pitch);
