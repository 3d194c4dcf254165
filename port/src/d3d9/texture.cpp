#include "texture.h"

#include "device.h"
#include "mip_chain.h"

#include <new>

namespace {

UINT MipLevelCount(UINT width, UINT height) {
    UINT levels = 1;
    for (UINT side = width > height ? width : height; side > 1; side /= 2) {
        ++levels;
    }
    return levels;
}

void UploadLevel(UINT level, UINT width, UINT height, const uint8_t* rgba) {
    glTexImage2D(GL_TEXTURE_2D, (GLint)level, GL_RGBA, (GLsizei)width, (GLsizei)height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, rgba);
}

// The texels as OpenGL ES takes them, R, G, B, A, with the alpha of X8R8G8B8: opaque.
std::vector<uint8_t> RgbaOf(const uint8_t* bgrx, UINT width, UINT height) {
    std::vector<uint8_t> rgba((size_t)width * height * 4);
    for (size_t texel = 0; texel < rgba.size(); texel += 4) {
        rgba[texel + 0] = bgrx[texel + 2];
        rgba[texel + 1] = bgrx[texel + 1];
        rgba[texel + 2] = bgrx[texel + 0];
        rgba[texel + 3] = 0xFF;
    }
    return rgba;
}

} // namespace

Texture::Texture(std::shared_ptr<Host> host, UINT width, UINT height, std::vector<uint8_t> rgba)
    : width(width), height(height), levels(MipLevelCount(width, height)), host_(std::move(host)),
      rgba_(std::move(rgba)) {}

Texture::~Texture() {
    if (name_ != 0 && generation_ == host_->Generation() && host_->MakeCurrent()) {
        glDeleteTextures(1, &name_);
    }
}

bool Texture::Bind() {
    if (name_ != 0 && generation_ == host_->Generation()) {
        glBindTexture(GL_TEXTURE_2D, name_);
        return true;
    }
    return Fill();
}

void Texture::SetFilters(GLint minFilter, GLint magFilter) {
    if (minFilter != minFilter_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
        minFilter_ = minFilter;
    }
    if (magFilter != magFilter_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
        magFilter_ = magFilter;
    }
}

bool Texture::Fill() {
    while (glGetError() != GL_NO_ERROR) {
    }
    generation_ = host_->Generation();
    glGenTextures(1, &name_);
    glBindTexture(GL_TEXTURE_2D, name_);
    // A mip filter while the levels are given: a driver may then make room for the whole chain
    // with level 0 (Mesa does), instead of for level 0 alone, to be copied into a chain of all
    // levels at the first draw and held twice until then.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    // The first row given becomes t = 0, which is where Direct3D puts v = 0: the top row.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    UploadLevel(0, width, height, rgba_.data());
    bool filled = true;
    try {
        std::vector<uint8_t> above;
        std::vector<uint8_t> next;
        const uint8_t* texels = rgba_.data();
        UINT levelWidth = width;
        UINT levelHeight = height;
        for (UINT level = 1; level < levels; ++level) {
            HalveMipLevel(texels, levelWidth, levelHeight, &next);
            levelWidth = NextMipSide(levelWidth);
            levelHeight = NextMipSide(levelHeight);
            UploadLevel(level, levelWidth, levelHeight, next.data());
            above.swap(next);
            texels = above.data();
        }
    } catch (const std::bad_alloc&) {
        filled = false;
    }
    // The default sampler state of Direct3D: point sampling, no mip filter.
    minFilter_ = magFilter_ = GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter_);
    if (glGetError() != GL_NO_ERROR || !filled) {
        glDeleteTextures(1, &name_);
        name_ = 0;
        return false;
    }
    return true;
}

HRESULT CreateTextureFromPixels(IDirect3DDevice9* device, UINT width, UINT height,
                                const uint8_t* bgrxTopRowFirst, IDirect3DTexture9** texture) {
    Device* ours = dynamic_cast<Device*>(device);
    if (ours == nullptr || bgrxTopRowFirst == nullptr || texture == nullptr) {
        return D3DERR_INVALIDCALL;
    }
    *texture = nullptr;
    const UINT largest = ours->MaxTextureSize();
    if (width == 0 || height == 0 || width > largest || height > largest) {
        return D3DERR_INVALIDCALL;
    }
    // While the context is lost the texture is made in system memory alone, as in the managed
    // pool; it fills its GL texture at its first use after the device's reset.
    const std::shared_ptr<Host>& host = ours->GetHost();
    const bool contextLost = host->ContextLost();
    if (!contextLost && !host->MakeCurrent()) {
        return D3DERR_INVALIDCALL;
    }
    Texture* made = nullptr;
    try {
        made = new Texture(host, width, height, RgbaOf(bgrxTopRowFirst, width, height));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    if (!contextLost) {
        const bool filled = made->Bind();
        ours->ForgetTextureBinding();
        if (!filled) {
            made->Release();
            return E_OUTOFMEMORY;
        }
    }
    *texture = made;
    return D3D_OK;
}

UINT GetMaxTextureSize(IDirect3DDevice9* device) {
    Device* ours = dynamic_cast<Device*>(device);
    return ours == nullptr ? 0 : ours->MaxTextureSize();
}
