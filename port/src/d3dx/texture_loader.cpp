// D3DXCreateTextureFromFileA with the real library's defaults: the image decoded, scaled up to
// powers of two, and made into a managed texture with every mip level down to 1 x 1, each level
// the box-filtered half of the one above. Direct3D is reached through its interfaces alone, so the
// same code runs on the stand-in's device and on Windows'.
#include <d3dx9.h>

#include "image_file.h"
#include "mip_chain.h"

#include <algorithm>
#include <cstring>

namespace {

// Writes the image into level 0, scaled to the level's size.
HRESULT FillTopLevel(IDirect3DTexture9* texture, const DecodedImage& image) {
    D3DSURFACE_DESC top;
    HRESULT result = texture->GetLevelDesc(0, &top);
    if (FAILED(result)) {
        return result;
    }
    D3DLOCKED_RECT level;
    result = texture->LockRect(0, &level, NULL, 0);
    if (FAILED(result)) {
        return result;
    }
    result = CopyScaled(image, top.Width, top.Height, (uint8_t*)level.pBits, (size_t)level.Pitch);
    const HRESULT unlocked = texture->UnlockRect(0);
    return FAILED(result) ? result : unlocked;
}

// Fills the level from the one above it.
HRESULT FillFromLevelAbove(IDirect3DTexture9* texture, UINT level) {
    D3DSURFACE_DESC above;
    HRESULT result = texture->GetLevelDesc(level - 1, &above);
    if (FAILED(result)) {
        return result;
    }
    D3DLOCKED_RECT source;
    result = texture->LockRect(level - 1, &source, NULL, D3DLOCK_READONLY);
    if (FAILED(result)) {
        return result;
    }
    D3DLOCKED_RECT destination;
    result = texture->LockRect(level, &destination, NULL, 0);
    if (SUCCEEDED(result)) {
        HalveMipLevel((const uint8_t*)source.pBits, (size_t)source.Pitch, above.Width, above.Height,
                      (uint8_t*)destination.pBits, (size_t)destination.Pitch);
        result = texture->UnlockRect(level);
    }
    const HRESULT unlocked = texture->UnlockRect(level - 1);
    return FAILED(result) ? result : unlocked;
}

} // namespace

HRESULT WINAPI D3DXCreateTextureFromFileA(LPDIRECT3DDEVICE9 device, LPCSTR srcFile,
                                          LPDIRECT3DTEXTURE9* texture) {
    if (device == NULL || srcFile == NULL || texture == NULL) {
        return D3DERR_INVALIDCALL;
    }
    D3DCAPS9 caps;
    std::memset(&caps, 0, sizeof(caps));
    HRESULT result = device->GetDeviceCaps(&caps);
    if (FAILED(result)) {
        return result;
    }
    DecodedImage image;
    result =
        DecodeImageFile(srcFile, std::min(caps.MaxTextureWidth, caps.MaxTextureHeight), &image);
    if (FAILED(result)) {
        return result;
    }
    IDirect3DTexture9* made = NULL;
    result = device->CreateTexture(NextPowerOfTwo(image.width), NextPowerOfTwo(image.height), 0, 0,
                                   D3DFMT_X8R8G8B8, D3DPOOL_MANAGED, &made, NULL);
    if (FAILED(result)) {
        return result;
    }
    result = FillTopLevel(made, image);
    // The decoded pixels go before the levels below are built: up to 256 MiB at 8192 x 8192.
    image.pixels.reset();
    const DWORD levels = made->GetLevelCount();
    for (UINT level = 1; level < levels && SUCCEEDED(result); ++level) {
        result = FillFromLevelAbove(made, level);
    }
    if (FAILED(result)) {
        made->Release();
        return result;
    }
    *texture = made;
    return D3D_OK;
}
