#include "png_file.h"

#include "save_file.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

void AppendBytes(void* context, void* data, int size) {
    std::vector<unsigned char>* bytes = (std::vector<unsigned char>*)context;
    bytes->insert(bytes->end(), (const unsigned char*)data, (const unsigned char*)data + size);
}

} // namespace

bool WritePng(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height,
              std::string* why) {
    std::vector<unsigned char> png;
    if (!stbi_write_png_to_func(AppendBytes, &png, width, height, 3, rgb.data(), width * 3)) {
        *why = "could not encode the picture as PNG";
        return false;
    }
    return SaveFile(path, png, why);
}
