#include "texture.h"

#include "surface.h"

#include <GLES2/gl2ext.h>

#include <algorithm>
#include <new>

namespace {

UINT NextLevelSide(UINT side) {
    return side > 1 ? side / 2 : 1;
}

// The most bytes converted at a time when the host takes R, G, B, A bytes only: a band of rows,
// at least one. A level that fits in one band is given whole, in one call; a larger one is made
// empty first and filled band by band.
const size_t BAND_BYTES = 256 * 1024;

// Texels as OpenGL ES takes them, R, G, B, A, from Direct3D's B, G, R, X or A; X8R8G8B8's alpha
// is opaque.
void ConvertToRgba(const uint8_t* bgra, size_t bytes, bool opaque, uint8_t* rgba) {
    for (size_t texel = 0; texel < bytes; texel += 4) {
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
        levels_.push_back(
            {levelWidth, levelHeight, AllocateZeroed((size_t)levelWidth * levelHeight, 4), false});
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
    lockedRect->pBits = locking.texels.get() + *offset;
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

// No glGetError here: each waits until GL has caught up (in a browser, a round trip to its GPU
// process), so the device asks once, at Present, after a frame that uploaded (Device::Present).
bool Texture::Upload() {
    GlSeam* gl = &context_->Gl();
    // A mip filter while the levels are given: a driver may then make room for the whole chain
    // with level 0 (Mesa does), instead of for level 0 alone, to be copied into a chain of all
    // levels at the first draw and held twice until then. The draw sets the filters it samples
    // with afterwards.
    gl->TexParameter(GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    // The first row given becomes t = 0, which is where Direct3D puts v = 0: the top row.
    gl->UnpackAlignment(4);
    const bool direct = context_->TexelFormat() == GL_BGRA_EXT;
    // X8R8G8B8 keeps no alpha: sampled, it is opaque.
    const GLint internalFormat = format_ == D3DFMT_X8R8G8B8 ? GL_RGB : GL_RGBA;
    std::vector<uint8_t> band;
    bool converted = true;
    for (size_t level = 0; level < levels_.size() && converted; ++level) {
        const Level& given = levels_[level];
        if (direct) {
            GL_CALL(gl, glTexImage2D)
            (GL_TEXTURE_2D, (GLint)level, internalFormat, (GLsizei)given.width,
             (GLsizei)given.height, 0, GL_BGRA_EXT, GL_UNSIGNED_BYTE, given.texels.get());
        } else {
            converted = UploadConverted((GLint)level, given, &band);
        }
    }
    if (!converted) {
        gl->DeleteTexture(name_);
        name_ = 0;
        return false;
    }
    changed_ = false;
    return true;
}

bool Texture::UploadConverted(GLint level, const Level& given, std::vector<uint8_t>* band) {
    GlSeam* gl = &context_->Gl();
    const size_t rowBytes = (size_t)given.width * 4;
    const UINT rowsPerBand = (UINT)std::max<size_t>(1, BAND_BYTES / rowBytes);
    try {
        band->resize(std::min<size_t>(rowsPerBand, given.height) * rowBytes);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const bool whole = rowsPerBand >= given.height;
    if (whole) {
        ConvertToRgba(given.texels.get(), given.height * rowBytes, format_ == D3DFMT_X8R8G8B8,
                      band->data());
    }
    GL_CALL(gl, glTexImage2D)
    (GL_TEXTURE_2D, level, GL_RGBA, (GLsizei)given.width, (GLsizei)given.height, 0, GL_RGBA,
     GL_UNSIGNED_BYTE, whole ? band->data() : nullptr);
    if (whole) {
        return true;
    }
    for (UINT top = 0; top < given.height; top += rowsPerBand) {
        const UINT rows = std::min(rowsPerBand, given.height - top);
        ConvertToRgba(given.texels.get() + top * rowBytes, rows * rowBytes,
                      format_ == D3DFMT_X8R8G8B8, band->data());
        GL_CALL(gl, glTexSubImage2D)
        (GL_TEXTURE_2D, level, 0, (GLint)top, (GLsizei)given.width, (GLsizei)rows, GL_RGBA,
         GL_UNSIGNED_BYTE, band->data());
    }
    return true;
}
