#include "image_file.h"

#include "jpeg_decoder.h"

#include <d3dx9.h>

#include <stb/stb_image_resize.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

UINT NextPowerOfTwo(UINT side) {
    UINT power = 1;
    while (power < side) {
        power *= 2;
    }
    return power;
}

// Left uninitialised: the decoder writes every byte of a picture it accepts, and zeroing up to
// 256 MiB first made every file that merely declares a large picture cost a good part of a second.
std::unique_ptr<uint8_t[]> NewPixels(UINT width, UINT height) {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[(size_t)width * height * 4]);
}

// The file is read as the decoder goes. Its size is not limited, as the image's size and the
// decoding work are: a valid 8192 x 8192 image of high quality may take well over 64 MiB.
HRESULT DecodeImageFile(const char* path, UINT maxSide, DecodedImage* image) {
    struct stat status;
    if (stat(path, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
        return D3DXERR_INVALIDDATA;
    }
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) {
        return D3DXERR_INVALIDDATA;
    }
    return DecodeJpeg(file.get(), maxSide, image);
}

HRESULT CopyScaled(const DecodedImage& image, UINT width, UINT height, uint8_t* destination,
                   size_t pitch) {
    const size_t rowBytes = (size_t)image.width * 4;
    if (width == image.width && height == image.height) {
        for (UINT y = 0; y < height; ++y) {
            std::memcpy(destination + y * pitch, image.pixels.get() + y * rowBytes, rowBytes);
        }
        return D3D_OK;
    }
    // A triangle filter, as D3DX scales by default: on the way up, bilinear interpolation, which
    // never rings past the texels it blends. The resizer fails only when it cannot allocate its
    // working memory, a few rows.
    if (!stbir_resize_uint8_generic(image.pixels.get(), (int)image.width, (int)image.height, 0,
                                    destination, (int)width, (int)height, (int)pitch, 4,
                                    STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
                                    STBIR_FILTER_TRIANGLE, STBIR_COLORSPACE_LINEAR, nullptr)) {
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}
