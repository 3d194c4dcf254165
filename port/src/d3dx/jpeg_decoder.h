// Decoding a JPEG file, by the host's decoder, within bounds on its size and its work.
#pragma once

#include "image_file.h"

#include <cstdio>

// Decoding work is bounded by the 8 x 8 blocks the scans visit, summed over the scans: each scan
// of a progressive file is a pass over every block of its components, so a file of a few KB can
// declare hundreds of passes over the largest image (500 over 8192 x 8192 took 13 s). The budget
// is 8 passes over every block of the largest image with three full-resolution components: the
// 10 scans of an ordinary progressive file of that size need about 5. Files of more than 500 scans
// are refused too, whatever their size.
const unsigned long long MAX_JPEG_BLOCK_VISITS = 8ULL * 3 * (8192 / 8) * (8192 / 8);
const int MAX_JPEG_SCANS = 500;

// Decodes the whole JPEG image in the open file: grey, YCbCr, RGB, or the printer's four inks as
// CMYK or YCCK, which become RGB. Four-component files carry Adobe's (APP14) marker as Adobe's
// programs, libjpeg and ImageMagick write them, and then store the inks inverted. Refuses, before
// allocating any pixels, an image wider or higher than maxSide, and, before decoding a scan that
// passes them, a file over the bounds above. Returns D3D_OK, D3DXERR_INVALIDDATA for a file that is
// not a complete JPEG image or is over the bounds, D3DERR_NOTAVAILABLE for an image that is too
// large, or E_OUTOFMEMORY.
HRESULT DecodeJpeg(std::FILE* file, UINT maxSide, DecodedImage* image);
