// JPEG decoding with libjpeg-turbo, the desktop's decoder.
#include "jpeg_decoder.h"

#include <d3dx9.h>

#include <turbojpeg.h>

#include <memory>

namespace {

struct DecompressorCloser {
    void operator()(void* handle) const { tjDestroy(handle); }
};

} // namespace

HRESULT DecodeJpeg(const uint8_t* bytes, size_t size, UINT maxSide, DecodedImage* image) {
    std::unique_ptr<void, DecompressorCloser> decompressor(tjInitDecompress());
    if (!decompressor) {
        return E_OUTOFMEMORY;
    }
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    if (tjDecompressHeader3(decompressor.get(), bytes, (unsigned long)size, &width, &height,
                            &subsampling, &colorspace) != 0 ||
        width <= 0 || height <= 0) {
        return D3DXERR_INVALIDDATA;
    }
    if ((UINT)width > maxSide || (UINT)height > maxSide) {
        return D3DERR_NOTAVAILABLE;
    }
    std::unique_ptr<uint8_t[]> pixels = NewPixels((UINT)width, (UINT)height);
    if (!pixels) {
        return E_OUTOFMEMORY;
    }
    // Any complaint of the decoder, a truncated file included, refuses the image: half a picture
    // is not what the file's author meant. LIMITSCANS stops at MAX_JPEG_SCANS scans.
    if (tjDecompress2(decompressor.get(), bytes, (unsigned long)size, pixels.get(), width, 0,
                      height, TJPF_BGRX, TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS) != 0) {
        return D3DXERR_INVALIDDATA;
    }
    image->width = (UINT)width;
    image->height = (UINT)height;
    image->pixels = std::move(pixels);
    return D3D_OK;
}
