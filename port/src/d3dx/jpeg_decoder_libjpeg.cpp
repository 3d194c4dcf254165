// JPEG decoding with libjpeg-turbo's libjpeg API, the desktop's decoder: its progress hook counts
// each scan's work as the scan begins, which the TurboJPEG API has no way to do. CMYK and YCCK
// images come out of libjpeg as CMYK and are turned into RGB here as stb_image turns them.
#include "jpeg_decoder.h"

#include <d3dx9.h>

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <memory>

#include <jpeglib.h>

namespace {

// One file's decoder. A decoder error jumps back to the setjmp in Decode, past libjpeg's frames
// and ErrorExit and CountScanWork, which hold no objects with destructors.
struct JpegDecoder {
    jpeg_decompress_struct info = {};
    jpeg_error_mgr errors = {};
    jpeg_progress_mgr progress = {};
    std::jmp_buf failed = {};
    unsigned long long blockVisits = 0;
    int scansCounted = 0;

    JpegDecoder() {
        info.err = jpeg_std_error(&errors);
        errors.error_exit = ErrorExit;
        errors.emit_message = EmitMessage;
        jpeg_create_decompress(&info);
        info.client_data = this;
        progress.progress_monitor = CountScanWork;
    }
    ~JpegDecoder() { jpeg_destroy_decompress(&info); }
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
        if (decoder->scansCounted > MAX_JPEG_SCANS ||
            decoder->blockVisits > MAX_JPEG_BLOCK_VISITS) {
            ErrorExit(common);
        }
    }
};

// x * y / 255, rounded, for bytes: as stb_image computes it, so that the two decoders agree.
uint8_t ScaleByte(unsigned x, unsigned y) {
    const unsigned t = x * y + 128;
    return (uint8_t)((t + (t >> 8)) >> 8);
}

// Turns a row of C, M, Y, K bytes into B, G, R, X in place. Each byte is how much of the paper
// shows through that ink, as Adobe's files store it (inverted), or how much ink there is, as the
// JPEG standard and libjpeg mean it where no Adobe marker says otherwise.
void InkToBgrx(uint8_t* row, size_t pixels, bool inverted) {
    for (size_t i = 0; i < pixels; ++i) {
        uint8_t* pixel = row + i * 4;
        const uint8_t flip = inverted ? 0 : 0xFF;
        const unsigned cyan = pixel[0] ^ flip;
        const unsigned magenta = pixel[1] ^ flip;
        const unsigned yellow = pixel[2] ^ flip;
        const unsigned black = pixel[3] ^ flip;
        pixel[0] = ScaleByte(yellow, black);
        pixel[1] = ScaleByte(magenta, black);
        pixel[2] = ScaleByte(cyan, black);
        pixel[3] = 0xFF;
    }
}

} // namespace

HRESULT DecodeJpeg(std::FILE* file, UINT maxSide, DecodedImage* image) {
    JpegDecoder decoder;
    jpeg_decompress_struct* info = &decoder.info;
    if (setjmp(decoder.failed) != 0) {
        image->pixels.reset();
        return D3DXERR_INVALIDDATA;
    }
    jpeg_stdio_src(info, file);
    jpeg_read_header(info, TRUE);
    if (info->image_width == 0 || info->image_height == 0) {
        return D3DXERR_INVALIDDATA;
    }
    if (info->image_width > maxSide || info->image_height > maxSide) {
        return D3DERR_NOTAVAILABLE;
    }
    // libjpeg makes no RGB of four-component images (CMYK, or YCCK, which it turns into CMYK).
    const bool ink = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = ink ? JCS_CMYK : JCS_EXT_BGRX;
    info->progress = &decoder.progress;
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
        if (ink) {
            InkToBgrx(row, info->output_width, info->saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(info);
    image->width = info->output_width;
    image->height = info->output_height;
    return D3D_OK;
}
