// scan_heavy_jpeg SIDE SCANS FILE: writes a JPEG of SIDE x SIDE pixels in one solid colour, three
// components at full resolution, arithmetic-coded and progressive, of SCANS scans: one over the DC
// coefficients of all three, then successive-approximation scans each over one AC coefficient of
// one component (a first pass at bit 2, then refinements at bits 1 and 0). Each scan is a pass
// over every block of its component; the file stays a few KB. Writing it takes as long as the
// passes (about 40 s for 8192 and 500).
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

int main(int argc, char** argv) {
    const int side = argc == 4 ? std::atoi(argv[1]) : 0;
    const int scans = argc == 4 ? std::atoi(argv[2]) : 0;
    if (side < 1 || side > 65500 || scans < 1 || scans > 1 + 3 * 63 * 3) {
        std::fprintf(stderr, "usage: %s SIDE SCANS FILE (SIDE 1 to 65500, SCANS 1 to 568)\n",
                     argv[0]);
        return 2;
    }
    std::FILE* file = std::fopen(argv[3], "wb");
    if (file == nullptr) {
        std::perror(argv[3]);
        return 1;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = (JDIMENSION)side;
    info.image_height = (JDIMENSION)side;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.arith_code = TRUE;
    std::vector<jpeg_scan_info> script = {{3, {0, 1, 2, 0}, 0, 0, 0, 0}};
    const int bits[3][2] = {{0, 2}, {2, 1}, {1, 0}};
    for (int c = 0; c < 3; ++c) {
        for (int k = 1; k < 64; ++k) {
            for (const int* bit : bits) {
                if ((int)script.size() < scans) {
                    script.push_back({1, {c, 0, 0, 0}, k, k, bit[0], bit[1]});
                }
            }
        }
    }
    info.scan_info = script.data();
    info.num_scans = (int)script.size();
    // The coefficients are written directly: every block holds only its DC value.
    const JDIMENSION blocks = (JDIMENSION)(side + 7) / 8;
    jvirt_barray_ptr arrays[3];
    for (int c = 0; c < 3; ++c) {
        arrays[c] = info.mem->request_virt_barray((j_common_ptr)&info, JPOOL_IMAGE, TRUE, blocks,
                                                  blocks, 1);
    }
    jpeg_write_coefficients(&info, arrays);
    for (int c = 0; c < 3; ++c) {
        for (JDIMENSION row = 0; row < blocks; ++row) {
            JBLOCKARRAY line =
                info.mem->access_virt_barray((j_common_ptr)&info, arrays[c], row, 1, TRUE);
            for (JDIMENSION x = 0; x < blocks; ++x) {
                line[0][x][0] = c == 0 ? 40 : -20;
            }
        }
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(file) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}
