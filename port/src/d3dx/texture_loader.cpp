// D3DXCreateTextureFromFileA: the file decoded, scaled up to powers of two, uploaded with its full
// mip chain, as the real library does with its defaults.
#include <d3dx9.h>

#include "../d3d9/texture.h"
#include "image_file.h"

HRESULT WINAPI D3DXCreateTextureFromFileA(LPDIRECT3DDEVICE9 device, LPCSTR srcFile,
                                          LPDIRECT3DTEXTURE9* texture) {
    if (device == NULL || srcFile == NULL || texture == NULL) {
        return D3DERR_INVALIDCALL;
    }
    const UINT maxSide = GetMaxTextureSize(device);
    if (maxSide == 0) {
        return D3DERR_INVALIDCALL;
    }
    DecodedImage image;
    const HRESULT decoded = DecodeImageFile(srcFile, maxSide, &image);
    if (FAILED(decoded)) {
        return decoded;
    }
    const HRESULT scaled = ScaleToPowerOfTwo(&image);
    if (FAILED(scaled)) {
        return scaled;
    }
    return CreateTextureFromPixels(device, image.width, image.height, image.pixels.get(), texture);
}
