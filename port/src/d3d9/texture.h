// Textures, and what the D3DX stand-in needs to make them: a texture from decoded pixels and the
// largest size the device takes, so that a loader can refuse an image before decoding it.
//
// Like Direct3D's managed pool, a texture keeps its pixels in system memory, so that it can fill
// a new GL texture after the context has been lost and come back.
#pragma once

#include "host.h"
#include "ref_counted.h"

#include <cstdint>
#include <memory>
#include <vector>

class Texture : public RefCounted<IDirect3DTexture9> {
  public:
    // Takes level 0 as R, G, B, A bytes, top row first and rows packed.
    Texture(std::shared_ptr<Host> host, UINT width, UINT height, std::vector<uint8_t> rgba);
    ~Texture() override;

    // Binds the GL texture, first making it and uploading every mip level when the context has
    // none of it (the first time, or after a lost context). The context must be current. False,
    // with no GL texture kept, when GL cannot hold it or the memory for a level is not there.
    bool Bind();
    // Sets the bound texture's filters where they differ from what it has.
    void SetFilters(GLint minFilter, GLint magFilter);

    const UINT width;
    const UINT height;
    const UINT levels;

  private:
    bool Fill();

    std::shared_ptr<Host> host_;
    std::vector<uint8_t> rgba_;
    GLuint name_ = 0;
    unsigned generation_ = 0;
    GLint minFilter_ = GL_NEAREST;
    GLint magFilter_ = GL_NEAREST;
};

// Makes an X8R8G8B8 texture of width x height from pixels given as B, G, R, X bytes, top row
// first and rows packed, with the full mip chain down to 1 x 1. D3DERR_INVALIDCALL for a null
// argument, a device that is not the stand-in's, or a size of 0 or above GetMaxTextureSize;
// E_OUTOFMEMORY when there is no memory for it, in the process or in OpenGL.
HRESULT CreateTextureFromPixels(IDirect3DDevice9* device, UINT width, UINT height,
                                const uint8_t* bgrxTopRowFirst, IDirect3DTexture9** texture);

// The largest width or height a texture of the device may have (at most 8192), or 0 when the
// device is not the stand-in's.
UINT GetMaxTextureSize(IDirect3DDevice9* device);
