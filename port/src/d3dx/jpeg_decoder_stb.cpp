// JPEG decoding with stb_image, compiled into the program where no system decoder can be linked
// (the browser build). stb_image refuses a stream without its end marker, so a cut-off file is
// refused; it has no limit of its own on scans, so they are counted first.
#include "jpeg_decoder.h"
#include "jpeg_scans.h"

#include <d3dx9.h>

#include <stb/stb_image.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

const int RGBA = 4;

} // namespace

HRESULT DecodeJpeg(const uint8_t* bytes, size_t size, UINT maxSide, DecodedImage* image) {
    if (size > (size_t)INT32_MAX || CountJpegScans(bytes, size) > MAX_JPEG_SCANS) {
        return D3DXERR_INVALIDDATA;
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(bytes, (int)size, &width, &height, &channels) || width <= 0 ||
        height <= 0) {
        return D3DXERR_INVALIDDATA;
    }
    if ((UINT)width > maxSide || (UINT)height > maxSide) {
        return D3DERR_NOTAVAILABLE;
    }
    std::unique_ptr<uint8_t[]> pixels = NewPixels((UINT)width, (UINT)height);
    if (!pixels) {
        return E_OUTOFMEMORY;
    }
    std::unique_ptr<stbi_uc, StbFree> decoded(
        stbi_load_from_memory(bytes, (int)size, &width, &height, &channels, RGBA));
    if (!decoded) {
        return std::strcmp(stbi_failure_reason(), "outofmem") == 0 ? E_OUTOFMEMORY
                                                                   : D3DXERR_INVALIDDATA;
    }
    const size_t count = (size_t)width * height;
    for (size_t i = 0; i < count; ++i) {
        const stbi_uc* rgba = decoded.get() + i * RGBA;
        uint8_t* bgrx = pixels.get() + i * 4;
        bgrx[0] = rgba[2];
        bgrx[1] = rgba[1];
        bgrx[2] = rgba[0];
        bgrx[3] = 0xFF;
    }
    image->width = (UINT)width;
    image->height = (UINT)height;
    image->pixels = std::move(pixels);
    return D3D_OK;
}
