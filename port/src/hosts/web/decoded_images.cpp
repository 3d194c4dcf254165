// The images the page has had the browser decode (program_page.js): while the program's code
// compiles, the page hands each JPEG file it fetched for the program to the browser's image
// decoder and lists the file's bytes with the promise of its samples as Module.decodedImages,
// entries {bytes: Uint8Array, decoded: Promise of {width, height, planes} or null}, planes being
// the Y, Cb and Cr samples at full resolution, width x height bytes each. The loader takes a
// stream's image from there when its bytes are those of a listed file, waiting for the browser if
// it has not finished, and turns the samples into RGB here as libjpeg does: Chromium's decoder is
// libjpeg-turbo, whose samples these are, so the pixels are the desktop loader's to the byte.
#include "../../d3dx/decoded_by_host.h"

#include <emscripten.h>

#include <cstdint>
#include <memory>
#include <new>

namespace {

// Finds the listed file whose bytes are the stream's and takes it off the list; waits for its
// samples and holds them for port_web_move_decoded_image, writing their size. Returns 1, or 0 when
// no listed file has these bytes or the browser did not decode it.
EM_ASYNC_JS(int, port_web_await_decoded_image,
            (const uint8_t* bytes, size_t size, int* width, int* height), {
                var images = Module.decodedImages || [];
                var stream = HEAPU8.subarray(bytes, bytes + size);
                var index = images.findIndex(function(image) {
                    return image.bytes.length == stream.length &&
                           image.bytes.every(function(byte, i) { return byte == stream[i]; });
                });
                var decoded = index < 0 ? null : await images.splice(index, 1)[0].decoded;
                if (!decoded) {
                    return 0;
                }
                Module.decodedImageTaken = decoded;
                HEAP32[width >> 2] = decoded.width;
                HEAP32[height >> 2] = decoded.height;
                return 1;
            });

// Copies the planes held to destination (width x height x 3 bytes), or with none drops them.
EM_JS(void, port_web_move_decoded_image, (uint8_t * destination), {
    if (destination) {
        HEAPU8.set(Module.decodedImageTaken.planes, destination);
    }
    Module.decodedImageTaken = null;
});

// JPEG's (JFIF's) YCbCr to RGB in libjpeg's fixed point: each product scaled by 2^16, rounded
// by adding a half before the shift, the shift arithmetic.
const int SCALE_BITS = 16;
const int32_t ONE_HALF = 1 << (SCALE_BITS - 1);

constexpr int32_t Fixed(double x) {
    return (int32_t)(x * (1 << SCALE_BITS) + 0.5);
}

struct YccTables {
    int redFromCr[256];
    int blueFromCb[256];
    int32_t greenFromCr[256];
    int32_t greenFromCb[256];

    YccTables() {
        for (int i = 0; i < 256; ++i) {
            const int32_t x = i - 128;
            redFromCr[i] = (int)((Fixed(1.40200) * x + ONE_HALF) >> SCALE_BITS);
            blueFromCb[i] = (int)((Fixed(1.77200) * x + ONE_HALF) >> SCALE_BITS);
            greenFromCr[i] = -Fixed(0.71414) * x;
            greenFromCb[i] = -Fixed(0.34414) * x + ONE_HALF;
        }
    }
};

uint8_t Clamped(int value) {
    return (uint8_t)(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Writes count pixels as B, G, R, X from the three planes.
void YccToBgrx(const uint8_t* y, const uint8_t* cb, const uint8_t* cr, size_t count,
               uint8_t* bgrx) {
    static const YccTables tables;
    for (size_t i = 0; i < count; ++i, bgrx += 4) {
        const int luma = y[i];
        bgrx[0] = Clamped(luma + tables.blueFromCb[cb[i]]);
        bgrx[1] = Clamped(
            luma + (int)((tables.greenFromCb[cb[i]] + tables.greenFromCr[cr[i]]) >> SCALE_BITS));
        bgrx[2] = Clamped(luma + tables.redFromCr[cr[i]]);
        bgrx[3] = 0xFF;
    }
}

} // namespace

bool TakeImageDecodedByHost(const uint8_t* bytes, size_t size, DecodedImage* image) {
    int width = 0;
    int height = 0;
    if (!port_web_await_decoded_image(bytes, size, &width, &height)) {
        return false;
    }
    const size_t count = (size_t)width * (size_t)height;
    std::unique_ptr<uint8_t[]> planes(new (std::nothrow) uint8_t[count * 3]);
    std::unique_ptr<uint8_t[]> pixels = NewPixels((UINT)width, (UINT)height);
    if (!planes || !pixels) {
        port_web_move_decoded_image(nullptr);
        return false;
    }
    port_web_move_decoded_image(planes.get());
    YccToBgrx(planes.get(), planes.get() + count, planes.get() + 2 * count, count, pixels.get());
    image->width = (UINT)width;
    image->height = (UINT)height;
    image->pixels = std::move(pixels);
    return true;
}
