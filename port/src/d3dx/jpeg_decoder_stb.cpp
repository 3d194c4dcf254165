// JPEG decoding with stb_image, compiled into the program where no system decoder can be linked
// (the browser build). stb_image refuses a stream without its end marker, so a cut-off file is
// refused; it has no bound of its own on scans, so their number and work are measured first.
#include "jpeg_decoder.h"
#include "jpeg_scans.h"

#include <d3dx9.h>

#include <stb/stb_image.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct StbFree {
    void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

const int RGBA = 4;

// stb_image decodes from memory, so the whole file is read; it counts sizes in ints.
HRESULT ReadWholeFile(std::FILE* file, std::vector<uint8_t>* bytes) {
    uint8_t chunk[65536];
    size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (bytes->size() + read > (size_t)INT32_MAX) {
            return D3DXERR_INVALIDDATA;
        }
        bytes->insert(bytes->end(), chunk, chunk + read);
    }
    if (std::ferror(file)) {
        return D3DXERR_INVALIDDATA;
    }
    return D3D_OK;
}

} // namespace

HRESULT DecodeJpeg(std::FILE* file, UINT maxSide, DecodedImage* image) {
    std::vector<uint8_t> contents;
    if (const HRESULT read = ReadWholeFile(file, &contents); FAILED(read)) {
        return read;
    }
    const uint8_t* bytes = contents.data();
    const size_t size = contents.size();
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
    const JpegScanWork work = MeasureJpegScans(bytes, size);
    if (work.scans > MAX_JPEG_SCANS || work.blockVisits > MAX_JPEG_BLOCK_VISITS) {
        return D3DXERR_INVALIDDATA;
    }
    std::unique_ptr<uint8_t[]> pixels = NewPixels((UINT)width, (UINT)height);
    if (!pixels) {
        return E_OUTOFMEMORY;
    }
    std::unique_ptr<stbi_uc, StbFree> decoded(
        stbi_load_from_memory(bytes, (int)size, &width, &height, &channels, RGBA));
    if (!decoded) {
        if (std::strcmp(stbi_failure_reason(), "outofmem") == 0) {
            return E_OUTOFMEMORY;
        }
        return D3DXERR_INVALIDDATA;
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
