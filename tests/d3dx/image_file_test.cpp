// Decoding texture files: good images in, every kind of bad file refused with a failure result,
// never a crash, a hang or an allocation the file's header asks for.
#include "image_file.h"

#include <d3dx9.h>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <turbojpeg.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

// After <cstdio>: jpeglib.h uses FILE and size_t without declaring them.
#include <jpeglib.h>

namespace {

// A JPEG of the given size whose left half is red and right half blue.
std::vector<uint8_t> MakeJpeg(int width, int height) {
    std::vector<uint8_t> rgb((size_t)width * height * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* pixel = &rgb[((size_t)y * width + x) * 3];
            pixel[0] = x < width / 2 ? 255 : 0;
            pixel[2] = x < width / 2 ? 0 : 255;
        }
    }
    tjhandle compressor = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    EXPECT_EQ(tjCompress2(compressor, rgb.data(), width, 0, height, TJPF_RGB, &jpeg, &size,
                          TJSAMP_444, 95, 0),
              0);
    std::vector<uint8_t> bytes(jpeg, jpeg + size);
    tjFree(jpeg);
    tjDestroy(compressor);
    return bytes;
}

// The printer's inks of the four-component images below, stored inverted as Adobe's programs store
// them (255 is no ink): one 8 x 8 block per colour, 16 colours in two rows.
const int INK_BLOCKS = 16;
const uint8_t INKS[INK_BLOCKS][4] = {
    {255, 255, 255, 255}, {0, 255, 255, 255},  {255, 0, 255, 255},  {255, 255, 0, 255},
    {255, 255, 255, 0},   {0, 0, 0, 255},      {128, 200, 40, 255}, {255, 255, 255, 128},
    {60, 160, 220, 200},  {200, 60, 160, 90},  {10, 250, 130, 30},  {240, 240, 200, 250},
    {90, 90, 90, 90},     {180, 120, 60, 160}, {30, 200, 100, 220}, {220, 30, 120, 60},
};

// A 64 x 16 JPEG of the inks above in colour space CMYK or YCCK, with full-resolution components
// at quality 100, and the Adobe marker that libjpeg writes for both.
std::vector<uint8_t> MakeInkJpeg(J_COLOR_SPACE space) {
    const int width = 64;
    const int height = 16;
    std::vector<uint8_t> cmyk((size_t)width * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::copy_n(INKS[y / 8 * 8 + x / 8], 4, &cmyk[((size_t)y * width + x) * 4]);
        }
    }
    jpeg_compress_struct info = {};
    jpeg_error_mgr errors = {};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* bytes = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &bytes, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, space);
    for (int k = 0; k < 4; ++k) {
        info.comp_info[k].h_samp_factor = 1;
        info.comp_info[k].v_samp_factor = 1;
    }
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = &cmyk[(size_t)info.next_scanline * width * 4];
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<uint8_t> jpeg(bytes, bytes + size);
    std::free(bytes);
    return jpeg;
}

// Rewrites the frame header's declared height and width.
void SetDeclaredSize(std::vector<uint8_t>* jpeg, int width, int height) {
    for (size_t i = 0; i + 8 < jpeg->size(); ++i) {
        if ((*jpeg)[i] == 0xFF && (*jpeg)[i + 1] == 0xC0) {
            (*jpeg)[i + 5] = (uint8_t)(height >> 8);
            (*jpeg)[i + 6] = (uint8_t)height;
            (*jpeg)[i + 7] = (uint8_t)(width >> 8);
            (*jpeg)[i + 8] = (uint8_t)width;
            return;
        }
    }
    ADD_FAILURE() << "no frame header";
}

// Where the segment whose marker is at offset ends: past its length and, for a start of scan,
// past the entropy-coded data after it, up to the next marker that is not a restart.
size_t SegmentEnd(const std::vector<uint8_t>& jpeg, size_t offset) {
    size_t end = offset + 2 + ((size_t)jpeg[offset + 2] << 8 | jpeg[offset + 3]);
    if (jpeg[offset + 1] != 0xDA) {
        return end;
    }
    for (; end + 1 < jpeg.size(); ++end) {
        const uint8_t next = jpeg[end + 1];
        if (jpeg[end] == 0xFF && next != 0 && (next < 0xD0 || next > 0xD7)) {
            break;
        }
    }
    return end;
}

// A progressive grey JPEG whose second scan (the first pass over AC coefficients 1 to 5) comes
// extra more times, each with its Huffman table. Decoded at full precision (Al 0), that scan may
// legally repeat: each repeat is one more pass over the whole image.
std::vector<uint8_t> MakeJpegWithRepeatedScan(int extra) {
    std::vector<uint8_t> rgb(16 * 16 * 3, 128);
    tjhandle compressor = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    EXPECT_EQ(tjCompress2(compressor, rgb.data(), 16, 0, 16, TJPF_RGB, &jpeg, &size, TJSAMP_GRAY,
                          90, TJFLAG_PROGRESSIVE),
              0);
    std::vector<uint8_t> bytes(jpeg, jpeg + size);
    tjFree(jpeg);
    tjDestroy(compressor);

    std::vector<size_t> scans;
    for (size_t at = 2; at + 3 < bytes.size() && bytes[at + 1] != 0xD9;
         at = SegmentEnd(bytes, at)) {
        if (bytes[at + 1] == 0xDA) {
            scans.push_back(at);
        }
    }
    EXPECT_GE(scans.size(), 2u);
    const size_t second = scans[1];
    const size_t secondEnd = SegmentEnd(bytes, second);
    bytes[second + 1 + ((size_t)bytes[second + 2] << 8 | bytes[second + 3])] = 0x00; // Ah 0, Al 0
    std::vector<uint8_t> result(bytes.begin(), bytes.begin() + secondEnd);
    const std::vector<uint8_t> repeat(bytes.begin() + SegmentEnd(bytes, scans[0]),
                                      bytes.begin() + secondEnd);
    for (int i = 0; i < extra; ++i) {
        result.insert(result.end(), repeat.begin(), repeat.end());
    }
    result.push_back(0xFF);
    result.push_back(0xD9);
    return result;
}

const size_t MEMORY_CAP = (size_t)512 << 20;

#ifdef __SANITIZE_ADDRESS__
// The sanitizer runtime's own entry point; GCC ships no header that declares it.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));

// AddressSanitizer has reserved terabytes of shadow memory already, so the address space cannot
// be capped; its allocation hook stands in and ends the process on any block over the cap.
void EndOnLargeAllocation(const volatile void*, size_t size) {
    if (size > MEMORY_CAP) {
        _exit(3);
    }
}

void IgnoreFree(const volatile void*) {}

void CapMemory() {
    __sanitizer_install_malloc_and_free_hooks(EndOnLargeAllocation, IgnoreFree);
}
#else
void CapMemory() {
    const rlimit limit = {MEMORY_CAP, MEMORY_CAP};
    setrlimit(RLIMIT_AS, &limit);
}
#endif

// Exits with 0 when the file is refused as too large with memory capped at 512 MB.
void DecodeWithLittleMemory(const std::string& path) {
    CapMemory();
    DecodedImage image;
    std::exit(DecodeImageFile(path.c_str(), 8192, &image) == D3DERR_NOTAVAILABLE ? 0 : 1);
}

// Exits with 0 when the file is refused as unreadable; root reads every file, so this drops to an
// unprivileged user first where it can.
void DecodeAsUnprivilegedUser(const std::string& path) {
    if (geteuid() == 0 && setuid(65534) != 0) {
        std::exit(2);
    }
    DecodedImage image;
    std::exit(DecodeImageFile(path.c_str(), 8192, &image) == D3DXERR_INVALIDDATA ? 0 : 1);
}

class ImageFile : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/image-file-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { ASSERT_EQ(std::system(("rm -rf '" + folder_ + "'").c_str()), 0); }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = folder_ + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
        return path;
    }

    std::string folder_;
};

TEST_F(ImageFile, DecodesAJpegTopRowFirstInBgrx) {
    const std::string path = Write("good.jpg", MakeJpeg(64, 32));
    DecodedImage image;
    ASSERT_EQ(DecodeImageFile(path.c_str(), 8192, &image), D3D_OK);
    EXPECT_EQ(image.width, 64u);
    EXPECT_EQ(image.height, 32u);
    ASSERT_NE(image.pixels, nullptr);
    const uint8_t* left = &image.pixels[(16 * 64 + 8) * 4];
    const uint8_t* right = &image.pixels[(16 * 64 + 56) * 4];
    EXPECT_GT(left[2], 240); // red in the R byte
    EXPECT_LT(left[0], 15);
    EXPECT_GT(right[0], 240); // blue in the B byte
    EXPECT_LT(right[2], 15);
}

// Pictures from print work are often CMYK, or YCCK (CMYK with its first three inks coded as
// YCbCr). Both decoders, libjpeg-turbo's and stb_image's, show each ink block as the colour of the
// paper the inks leave, red = (255 - cyan) x (255 - black) / 255 and so on, within JPEG's rounding.
TEST_F(ImageFile, DecodesCmykAndYcckJpegsToTheInksColours) {
    const struct {
        const char* name;
        J_COLOR_SPACE space;
    } cases[] = {{"cmyk.jpg", JCS_CMYK}, {"ycck.jpg", JCS_YCCK}};
    for (const auto& test : cases) {
        const std::string path = Write(test.name, MakeInkJpeg(test.space));
        DecodedImage image;
        ASSERT_EQ(DecodeImageFile(path.c_str(), 8192, &image), D3D_OK) << test.name;
        ASSERT_EQ(image.width, 64u) << test.name;
        ASSERT_EQ(image.height, 16u) << test.name;
        for (int block = 0; block < INK_BLOCKS; ++block) {
            const uint8_t* ink = INKS[block];
            const int x = block % 8 * 8 + 4;
            const int y = block / 8 * 8 + 4;
            const uint8_t* bgrx = &image.pixels[((size_t)y * 64 + x) * 4];
            const int expected[3] = {(ink[2] * ink[3] + 127) / 255, (ink[1] * ink[3] + 127) / 255,
                                     (ink[0] * ink[3] + 127) / 255};
            for (int channel = 0; channel < 3; ++channel) {
                EXPECT_NEAR(bgrx[channel], expected[channel], 2)
                    << test.name << ", block " << block << ", byte " << channel << " of B, G, R";
            }
        }
    }
}

TEST_F(ImageFile, ScalesUpToPowersOfTwo) {
    const std::string path = Write("odd.jpg", MakeJpeg(300, 200));
    DecodedImage image;
    ASSERT_EQ(DecodeImageFile(path.c_str(), 8192, &image), D3D_OK);
    EXPECT_EQ(NextPowerOfTwo(image.width), 512u);
    EXPECT_EQ(NextPowerOfTwo(image.height), 256u);
    // Written at a texture level's pitch, here 16 bytes past the row.
    const size_t pitch = 512 * 4 + 16;
    std::vector<uint8_t> level(pitch * 256, 0xAB);
    ASSERT_EQ(CopyScaled(image, 512, 256, level.data(), pitch), D3D_OK);
    EXPECT_GT(level[128 * pitch + 40 * 4 + 2], 240);  // still red on the left
    EXPECT_GT(level[128 * pitch + 470 * 4 + 0], 240); // and blue on the right
    EXPECT_EQ(level[128 * pitch + 512 * 4], 0xAB);    // and nothing past the row

    // Scaling blends neighbouring texels and rings past none of them: across a step from 100 to
    // 200, every scaled texel stays within 100 to 200.
    DecodedImage step;
    step.width = 3;
    step.height = 3;
    step.pixels.reset(new uint8_t[3 * 3 * 4]);
    for (int texel = 0; texel < 9; ++texel) {
        std::fill_n(&step.pixels[texel * 4], 4, texel % 3 == 2 ? 200 : 100);
    }
    std::vector<uint8_t> scaled(4 * 4 * 4);
    ASSERT_EQ(CopyScaled(step, 4, 4, scaled.data(), 4 * 4), D3D_OK);
    const auto [darkest, brightest] = std::minmax_element(scaled.begin(), scaled.end());
    EXPECT_EQ(*darkest, 100);
    EXPECT_EQ(*brightest, 200);
}

TEST_F(ImageFile, RefusesFilesThatAreNotCompleteJpegImages) {
    std::vector<uint8_t> random(4096);
    std::mt19937 generator(7);
    for (uint8_t& byte : random) {
        byte = (uint8_t)generator();
    }
    std::vector<uint8_t> truncated = MakeJpeg(64, 64);
    truncated.resize(truncated.size() / 2);
    // Cut inside the entropy-coded data, past every table: a decoder that pads the missing data
    // would make a picture of it.
    std::vector<uint8_t> cutInScan = MakeJpeg(256, 256);
    cutInScan.resize(cutInScan.size() - 64);
    std::vector<uint8_t> zeroHeight = MakeJpeg(16, 16);
    SetDeclaredSize(&zeroHeight, 16, 0);
    const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                      'I',  'H', 'D', 'R', 0,    0,    0,    1,    0, 0, 0, 1};
    ASSERT_EQ(mkdir((folder_ + "/folder.jpg").c_str(), 0755), 0);

    const std::string cases[] = {
        Write("empty.jpg", {}),
        Write("truncated.jpg", truncated),
        Write("cut-in-scan.jpg", cutInScan),
        Write("random.jpg", random),
        Write("zero-height.jpg", zeroHeight),
        Write("png.jpg", png),
        folder_ + "/folder.jpg",
        folder_ + "/missing.jpg",
    };
    for (const std::string& path : cases) {
        DecodedImage image;
        EXPECT_EQ(DecodeImageFile(path.c_str(), 8192, &image), D3DXERR_INVALIDDATA) << path;
        EXPECT_EQ(image.pixels, nullptr) << path;
    }
}

TEST_F(ImageFile, RefusesAHugeDeclaredSizeBeforeAllocating) {
    std::vector<uint8_t> huge = MakeJpeg(16, 16);
    SetDeclaredSize(&huge, 60000, 60000);
    const std::string path = Write("huge.jpg", huge);
    // 60000 x 60000 pixels would need 14 GB: the refusal comes from the header alone.
    EXPECT_EXIT(DecodeWithLittleMemory(path), ::testing::ExitedWithCode(0), "");

    DecodedImage image;
    const std::string fits = Write("fits.jpg", MakeJpeg(64, 64));
    EXPECT_EQ(DecodeImageFile(fits.c_str(), 32, &image), D3DERR_NOTAVAILABLE);
}

// Every scan of a progressive JPEG is a pass over the whole image, so a small file of many scans
// over a large frame keeps the decoder busy for minutes. Files of over 500 scans are refused.
TEST_F(ImageFile, RefusesAProgressiveJpegOfUnreasonablyManyScans) {
    DecodedImage image;
    const std::string few = Write("few-scans.jpg", MakeJpegWithRepeatedScan(10));
    EXPECT_EQ(DecodeImageFile(few.c_str(), 8192, &image), D3D_OK);

    const std::string many = Write("many-scans.jpg", MakeJpegWithRepeatedScan(600));
    EXPECT_EQ(DecodeImageFile(many.c_str(), 8192, &image), D3DXERR_INVALIDDATA);
}

// Within the scan limit, the scans can still ask for too much work: 9 KB holding 500 scans, each a
// pass over one component of an 8192 x 8192 image, took 13 s to decode. It is refused once its
// scans pass the work budget, long before its last.
TEST_F(ImageFile, RefusesAFileWhoseScansPassTheWorkBudget) {
    DecodedImage image;
    EXPECT_EQ(DecodeImageFile(SCAN_HEAVY_JPEG, 8192, &image), D3DXERR_INVALIDDATA);
    EXPECT_EQ(image.pixels, nullptr);
}

// The file's own size is no reason to refuse it (a valid 8192 x 8192 JPEG of high quality passes
// 64 MiB): the image's size and its scans' work bound what decoding costs. Here what follows the
// image's end takes the file to 65 MiB, without taking the disk space.
TEST_F(ImageFile, TakesAFileOfAnySize) {
    const std::string path = Write("long.jpg", MakeJpeg(64, 64));
    ASSERT_EQ(truncate(path.c_str(), 65L << 20), 0);
    DecodedImage image;
    EXPECT_EQ(DecodeImageFile(path.c_str(), 8192, &image), D3D_OK);
}

TEST_F(ImageFile, RefusesAFileItMayNotRead) {
    const std::string path = Write("secret.jpg", MakeJpeg(16, 16));
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    ASSERT_EQ(chmod(folder_.c_str(), 0755), 0);
    EXPECT_EXIT(DecodeAsUnprivilegedUser(path), ::testing::ExitedWithCode(0), "");
}

} // namespace
