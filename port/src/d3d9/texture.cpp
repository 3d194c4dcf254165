#include "texture.h"

#include "device.h"
#include "mip_chain.h"

#include <new>
#include <vector>

Texture::Texture(std::shared_ptr<GlContext> context, GLuint name, UINT width, UINT height,
                 UINT levels)
    : name(name), width(width), height(height), levels(levels), minFilter(GL_NEAREST),
      magFilter(GL_NEAREST), context_(std::move(context)) {}

Texture::~Texture() {
    if (context_->MakeCurrent()) {
        glDeleteTextures(1, &name);
    }
}

namespace {

UINT MipLevelCount(UINT width, UINT height) {
    UINT levels = 1;
    for (UINT side = width > height ? width : height; side > 1; side /= 2) {
        ++levels;
    }
    return levels;
}

// Uploads levels 1 to levels - 1 of the bound texture, each halved from the one above it, level 0
// being the given pixels. False when the memory for a level is not there.
bool UploadLowerMipLevels(const uint8_t* level0, UINT width, UINT height, UINT levels) {
    try {
        std::vector<uint8_t> current;
        std::vector<uint8_t> next;
        const uint8_t* above = level0;
        for (UINT index = 1; index < levels; ++index) {
            HalveMipLevel(above, width, height, &next);
            width = NextMipSide(width);
            height = NextMipSide(height);
            glTexSubImage2D(GL_TEXTURE_2D, (GLint)index, 0, 0, (GLsizei)width, (GLsizei)height,
                            GL_BGRA, GL_UNSIGNED_BYTE, next.data());
            current.swap(next);
            above = current.data();
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace

HRESULT CreateTextureFromPixels(IDirect3DDevice9* device, UINT width, UINT height,
                                const uint8_t* bgrxTopRowFirst, IDirect3DTexture9** texture) {
    Device* ours = dynamic_cast<Device*>(device);
    if (ours == nullptr || bgrxTopRowFirst == nullptr || texture == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *texture = nullptr;
    const UINT largest = ours->Context()->MaxTextureSize();
    if (width == 0 || height == 0 || width > largest || height > largest) {
        return D3DERR_INVALIDCALL;
    }
    if (!ours->Context()->MakeCurrent()) {
        return D3DERR_INVALIDCALL;
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    ours->ForgetTextureBinding();
    // The default sampler state of Direct3D: point sampling, no mip filter.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // The first row given becomes t = 0, which is where Direct3D puts v = 0: the top row.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    // Storage for every level at once: given level by level, the driver may hold level 0 apart
    // from the chain until the first draw, twice the memory.
    const UINT levels = MipLevelCount(width, height);
    glTexStorage2D(GL_TEXTURE_2D, (GLsizei)levels, GL_RGB8, (GLsizei)width, (GLsizei)height);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, (GLsizei)width, (GLsizei)height, GL_BGRA,
                    GL_UNSIGNED_BYTE, bgrxTopRowFirst);
    const bool filled = UploadLowerMipLevels(bgrxTopRowFirst, width, height, levels);
    if (glGetError() != GL_NO_ERROR || !filled) {
        glDeleteTextures(1, &name);
        return E_OUTOFMEMORY;
    }
    *texture = new Texture(ours->Context(), name, width, height, levels);
    return D3D_OK;
}

UINT GetMaxTextureSize(IDirect3DDevice9* device) {
    Device* ours = dynamic_cast<Device*>(device);
    return ours == nullptr ? 0 : ours->Context()->MaxTextureSize();
}
