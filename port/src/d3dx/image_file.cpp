#include "image_file.h"

#include <d3dx9.h>

#include <stb/stb_image_resize.h>
#include <sys/stat.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jpeglib.h>

namespace {

// Decoding work is bounded by the 8 x 8 blocks the scans visit, summed over the scans: each scan
// of a progressive file is a pass over every block of its components, so a file of a few KB can
// declare hundreds of passes over the largest image (500 over 8192 x 8192 take 13 s here). The
// budget is 8 passes over every block of the largest image with three full-resolution
// components: the 10 scans of an ordinary progressive file of that size need about 5. Files of
// more scans than libjpeg-turbo's own limit of 500 are refused too, whatever their size.
const unsigned long long MAX_BLOCK_VISITS = 8ULL * 3 * (8192 / 8) * (8192 / 8);
const int MAX_SCANS = 500;

// One file's decoder. A decoder error jumps back to the setjmp in Decode, past libjpeg's frames
// and ErrorExit and CountScanWork, which hold no objects with destructors.
struct JpegDecoder {
    jpeg_decompress_struct info = {};
    jpeg_error_mgr errors = {};
    jpeg_progress_mgr progress = {};
    std::jmp_buf failed = {};
    unsigned long long blockVisits = 0;
    int scansCounted = 0;
    std::FILE* file = nullptr;

    JpegDecoder() {
        info.err = jpeg_std_error(&errors);
        errors.error_exit = ErrorExit;
        errors.emit_message = EmitMessage;
        jpeg_create_decompress(&info);
        info.client_data = this;
        progress.progress_monitor = CountScanWork;
    }
    ~JpegDecoder() {
        jpeg_destroy_decompress(&info);
        if (file != nullptr) {
            std::fclose(file);
        }
    }
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    static void ErrorExit(j_common_ptr common) {
        std::longjmp(static_cast<JpegDecoder*>(common->client_data)->failed, 1);
    }

    // Any warning (a truncated file, corrupt data) refuses the image: half a picture is not what
    // the file's author meant.
    static void EmitMessage(j_common_ptr common, int level) {
        if (level < 0) {
            ErrorExit(common);
        }
    }

    // Called before each row of blocks is read: adds the blocks of a scan that has just begun.
    static void CountScanWork(j_common_ptr common) {
        j_decompress_ptr info = reinterpret_cast<j_decompress_ptr>(common);
        JpegDecoder* decoder = static_cast<JpegDecoder*>(common->client_data);
        if (info->input_scan_number == decoder->scansCounted) {
            return;
        }
        decoder->scansCounted = info->input_scan_number;
        for (int k = 0; k < info->comps_in_scan; ++k) {
            const jpeg_component_info* component = info->cur_comp_info[k];
            decoder->blockVisits +=
                (unsigned long long)component->width_in_blocks * component->height_in_blocks;
        }
        if (decoder->scansCounted > MAX_SCANS || decoder->blockVisits > MAX_BLOCK_VISITS) {
            ErrorExit(common);
        }
    }
};

// A buffer for width x height pixels, left uninitialised: the decoder writes every byte of a
// picture it accepts, and zeroing up to 256 MiB first made every file that merely declares a
// large picture cost a good part of a second. Null when the memory is not there.
std::unique_ptr<uint8_t[]> NewPixels(UINT width, UINT height) {
    return std::unique_ptr<uint8_t[]>(new (std::nothrow) uint8_t[(size_t)width * height * 4]);
}

UINT NextPowerOfTwo(UINT value) {
    UINT power = 1;
    while (power < value) {
        power *= 2;
    }
    return power;
}

HRESULT Decode(JpegDecoder* decoder, UINT maxSide, DecodedImage* image) {
    jpeg_decompress_struct* info = &decoder->info;
    if (setjmp(decoder->failed) != 0) {
        image->pixels.reset();
        return D3DXERR_INVALIDDATA;
    }
    jpeg_stdio_src(info, decoder->file);
    jpeg_read_header(info, TRUE);
    if (info->image_width == 0 || info->image_height == 0) {
        return D3DXERR_INVALIDDATA;
    }
    if (info->image_width > maxSide || info->image_height > maxSide) {
        return D3DERR_NOTAVAILABLE;
    }
    info->out_color_space = JCS_EXT_BGRX;
    info->progress = &decoder->progress;
    // For a progressive file this reads every scan, counting each one's work as it begins.
    jpeg_start_decompress(info);
    image->pixels = NewPixels(info->output_width, info->output_height);
    if (!image->pixels) {
        return E_OUTOFMEMORY;
    }
    const size_t rowBytes = (size_t)info->output_width * 4;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image->pixels.get() + rowBytes * info->output_scanline;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    image->width = info->output_width;
    image->height = info->output_height;
    return D3D_OK;
}

} // namespace

// The file is read as the decoder goes. Its size is not limited, as the image's size and the
// decoding work are: a valid 8192 x 8192 image of high quality may take well over 64 MiB.
HRESULT DecodeImageFile(const char* path, UINT maxSide, DecodedImage* image) {
    struct stat status;
    if (stat(path, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
        return D3DXERR_INVALIDDATA;
    }
    JpegDecoder decoder;
    decoder.file = std::fopen(path, "rb");
    if (decoder.file == nullptr) {
        return D3DXERR_INVALIDDATA;
    }
    return Decode(&decoder, maxSide, image);
}

HRESULT ScaleToPowerOfTwo(DecodedImage* image) {
    const UINT width = NextPowerOfTwo(image->width);
    const UINT height = NextPowerOfTwo(image->height);
    if (width == image->width && height == image->height) {
        return D3D_OK;
    }
    std::unique_ptr<uint8_t[]> scaled = NewPixels(width, height);
    // A triangle filter, as D3DX scales by default: on the way up, bilinear interpolation, which
    // never rings past the texels it blends. The resizer fails only when it cannot allocate its
    // working memory.
    if (!scaled || !stbir_resize_uint8_generic(
                       image->pixels.get(), (int)image->width, (int)image->height, 0, scaled.get(),
                       (int)width, (int)height, 0, 4, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
                       STBIR_FILTER_TRIANGLE, STBIR_COLORSPACE_LINEAR, nullptr)) {
        return E_OUTOFMEMORY;
    }
    image->pixels = std::move(scaled);
    image->width = width;
    image->height = height;
    return D3D_OK;
}
