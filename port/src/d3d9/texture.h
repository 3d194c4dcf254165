// Textures as Direct3D's managed pool keeps them: every level in system memory in Direct3D's
// layout (B, G, R, X or A bytes, rows top first, pitch width * 4), open to LockRect, and a GL
// texture filled from them at the first draw after they changed or the context was lost: straight
// from those bytes where the host takes them (GlContext::TexelFormat), else converted a band of
// rows at a time.
#pragma once

#include "gl_context.h"
#include "ref_counted.h"
#include "zeroed_bytes.h"

#include <cstdint>
#include <memory>
#include <vector>

// The number of levels from width x height down to 1 x 1, each side halved, at least 1.
UINT FullMipChainLength(UINT width, UINT height);

class Texture : public RefCounted<IDirect3DTexture9> {
  public:
    // The levels from width x height down, levels of them (1 to FullMipChainLength), zeroed;
    // format X8R8G8B8 or A8R8G8B8. Throws std::bad_alloc when the memory is not there.
    Texture(std::shared_ptr<GlContext> context, UINT width, UINT height, UINT levels,
            D3DFORMAT format);
    ~Texture() override;

    DWORD GetLevelCount() override { return (DWORD)levels_.size(); }

    // The texture's number among those its device made, from 1: how a frame record names it.
    unsigned serial = 0;
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect,
                     DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;

    // True when the context's GL texture holds the levels as they are.
    bool Uploaded() const;
    // False for a texture made with fewer levels than down to 1 x 1: OpenGL takes that as
    // incomplete with a mip filter, where Direct3D samples the levels there are.
    bool HasFullChain() const { return fullChain_; }
    // Binds the GL texture, first making it when the context has none of it (the first time, or
    // after a lost context) and uploading every level when it is new or the levels changed. The
    // context must be current. False, with no GL texture kept, when the memory for converting the
    // levels is not there. Whether GL took them is not asked here: see Device::Present.
    bool Bind();

  private:
    // Each level's texels come zeroed from calloc (zeroed_bytes.h), held only once written. So
    // loading an image holds the levels below the top only from when they are built, after the
    // decoded pixels have gone, where zeroing them all at once held the whole chain beside the
    // pixels.
    struct Level {
        UINT width;
        UINT height;
        ZeroedBytes texels;
        bool locked;
    };

    bool Upload();
    // Uploads one level as R, G, B, A bytes, converted in bands of rows through band. False when
    // the memory for the band is not there.
    bool UploadConverted(GLint level, const Level& given, std::vector<uint8_t>* band);

    std::shared_ptr<GlContext> context_;
    const D3DFORMAT format_;
    const bool fullChain_;
    std::vector<Level> levels_;
    bool changed_ = true;
    GLuint name_ = 0;
    unsigned generation_ = 0;
};
