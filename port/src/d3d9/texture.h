// Textures, and what the D3DX stand-in needs to make them: a texture from decoded pixels and the
// largest size the device takes, so that a loader can refuse an image before decoding it.
#pragma once

#include "gl_context.h"
#include "ref_counted.h"

#include <cstdint>
#include <memory>

class Texture : public RefCounted<IDirect3DTexture9> {
  public:
    Texture(std::shared_ptr<GlContext> context, GLuint name, UINT width, UINT height, UINT levels);
    ~Texture() override;

    const GLuint name;
    const UINT width;
    const UINT height;
    const UINT levels;
    // The filters the GL texture has now, so that draws set them only when they change.
    GLint minFilter;
    GLint magFilter;

  private:
    std::shared_ptr<GlContext> context_;
};

// Makes an X8R8G8B8 texture of width x height from pixels given as B, G, R, X bytes, top row
// first and rows packed, with the full mip chain down to 1 x 1. D3DERR_INVALIDCALL for a null
// argument, a device that is not the stand-in's, or a size of 0 or above GetMaxTextureSize;
// E_OUTOFMEMORY when OpenGL cannot hold it.
HRESULT CreateTextureFromPixels(IDirect3DDevice9* device, UINT width, UINT height,
                                const uint8_t* bgrxTopRowFirst, IDirect3DTexture9** texture);

// The largest width or height a texture of the device may have (at most 8192), or 0 when the
// device is not the stand-in's.
UINT GetMaxTextureSize(IDirect3DDevice9* device);
