#include "texture.h"

#include "surface.h"

#include <new>

namespace {

UINT NextLevelSide(UINT side) {
    return side > 1 ? side / 2 : 1;
}

// The texels as OpenGL ES takes them, R, G, B, A; X8R8G8B8's alpha is opaque.
void ConvertToRgba(const std::vector<uint8_t>& bgra, bool opaque, uint8_t* rgba) {
    for (size_t texel = 0; texel < bgra.size(); texel += 4) {
        rgba[texel + 0] = bgra[texel + 2];
        rgba[texel + 1] = bgra[texel + 1];
        rgba[texel + 2] = bgra[texel + 0];
        rgba[texel + 3] = opaque ? 0xFF : bgra[texel + 3];
    }
}

} // namespace

UINT FullMipChainLength(UINT width, UINT height) {
    UINT levels = 1;
    for (UINT side = width > height ? width : height; side > 1; side /= 2) {
        ++levels;
    }
    return levels;
}

Texture::Texture(std::shared_ptr<GlContext> context, UINT width, UINT height, UINT levels,
                 D3DFORMAT format)
    : context_(std::move(context)), format_(format),
      fullChain_(levels == FullMipChainLength(width, height)) {
    levels_.reserve(levels);
    UINT levelWidth = width;
    UINT levelHeight = height;
    for (UINT level = 0; level < levels; ++level) {
        levels_.push_back({levelWidth, levelHeight,
                           std::vector<uint8_t>((size_t)levelWidth * levelHeight * 4), false});
        levelWidth = NextLevelSide(levelWidth);
        levelHeight = NextLevelSide(levelHeight);
    }
}

Texture::~Texture() {
    if (name_ != 0 && generation_ == context_->Generation() && context_->MakeCurrent()) {
        context_->Gl().DeleteTexture(name_);
    }
}

HRESULT Texture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    if (desc == nullptr || level >= levels_.size()) {
        return D3DERR_INVALIDCALL;
    }
    desc->Format = format_;
    desc->Type = D3DRTYPE_SURFACE;
    desc->Usage = 0;
    desc->Pool = D3DPOOL_MANAGED;
    desc->MultiSampleType = D3DMULTISAMPLE_NONE;
    desc->MultiSampleQuality = 0;
    desc->Width = levels_[level].width;
    desc->Height = levels_[level].height;
    return D3D_OK;
}

HRESULT Texture::LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD) {
    if (lockedRect == nullptr || level >= levels_.size() || levels_[level].locked) {
        return D3DERR_INVALIDCALL;
    }
    Level& locking = levels_[level];
    const UINT pitch = locking.width * 4;
    const std::optional<size_t> offset = LockOffset(rect, locking.width, locking.height, pitch);
    if (!offset) {
        return D3DERR_INVALIDCALL;
    }
    locking.locked = true;
    lockedRect->Pitch = (INT)pitch;
    lockedRect->pBits = locking.texels.data() + *offset;
    return D3D_OK;
}

HRESULT Texture::UnlockRect(UINT level) {
    if (level >= levels_.size() || !levels_[level].locked) {
        return D3DERR_INVALIDCALL;
    }
    levels_[level].locked = false;
    changed_ = true;
    return D3D_OK;
}

bool Texture::Uploaded() const {
    return !changed_ && name_ != 0 && generation_ == context_->Generation();
}

bool Texture::Bind() {
    GlSeam* gl = &context_->Gl();
    if (name_ == 0 || generation_ != context_->Generation()) {
        name_ = gl->GenTexture();
        generation_ = context_->Generation();
        changed_ = true;
    }
    gl->BindTexture(name_);
    return !changed_ || Upload();
}

bool Texture::Upload() {
    GlSeam* gl = &context_->Gl();
    while (GL_CALL(gl, glGetError)() != GL_NO_ERROR) {
    }
    // A mip filter while the levels are given: a driver may then make room for the whole chain
    // with level 0 (Mesa does), instead of for level 0 alone, to be copied into a chain of all
    // levels at the first draw and held twice until then. The draw sets the filters it samples
    // with afterwards.
    gl->TexParameter(GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    // The first row given becomes t = 0, which is where Direct3D puts v = 0: the top row.
    gl->UnpackAlignment(4);
    bool converted = true;
    try {
        // One buffer, level 0's size, takes each level in turn.
        std::vector<uint8_t> rgba(levels_[0].texels.size());
        for (size_t level = 0; level < levels_.size(); ++level) {
            const Level& given = levels_[level];
            ConvertToRgba(given.texels, format_ == D3DFMT_X8R8G8B8, rgba.data());
            GL_CALL(gl, glTexImage2D)
            (GL_TEXTURE_2D, (GLint)level, GL_RGBA, (GLsizei)given.width, (GLsizei)given.height, 0,
             GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        }
    } catch (const std::bad_alloc&) {
        converted = false;
    }
    if (GL_CALL(gl, glGetError)() != GL_NO_ERROR || !converted) {
        gl->DeleteTexture(name_);
        name_ = 0;
        return false;
    }
    changed_ = false;
    return true;
}
