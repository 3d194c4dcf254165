// Stand-in for the D3DX 9 utility library on hosts without it.
//
// Implements: D3DXMATRIX and D3DXVECTOR3, the six matrix functions the programs use (single
// precision, row-vector convention: a point p maps to p * M, and A * B applies A first), and
// D3DXCreateTextureFromFileA.
// Leaves out: every other D3DX function and the operator overloads of the matrix and vector types.
#pragma once

#include <d3d9.h>

#define D3DX_PI ((FLOAT)3.141592654f)

#define D3DXERR_INVALIDDATA ((HRESULT)0x88760B59L)

struct D3DXMATRIX : public D3DMATRIX {
    D3DXMATRIX() = default;
};

struct D3DXVECTOR3 : public D3DVECTOR {
    D3DXVECTOR3() = default;
    D3DXVECTOR3(FLOAT x, FLOAT y, FLOAT z) : D3DVECTOR{x, y, z} {}
};

extern "C" {

D3DXMATRIX* WINAPI D3DXMatrixLookAtLH(D3DXMATRIX* out, const D3DXVECTOR3* eye,
                                      const D3DXVECTOR3* at, const D3DXVECTOR3* up);
D3DXMATRIX* WINAPI D3DXMatrixPerspectiveFovLH(D3DXMATRIX* out, FLOAT fovy, FLOAT aspect, FLOAT zn,
                                              FLOAT zf);
D3DXMATRIX* WINAPI D3DXMatrixRotationX(D3DXMATRIX* out, FLOAT angle);
D3DXMATRIX* WINAPI D3DXMatrixRotationY(D3DXMATRIX* out, FLOAT angle);
D3DXMATRIX* WINAPI D3DXMatrixTranslation(D3DXMATRIX* out, FLOAT x, FLOAT y, FLOAT z);
D3DXMATRIX* WINAPI D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* m1, const D3DXMATRIX* m2);

HRESULT WINAPI D3DXCreateTextureFromFileA(LPDIRECT3DDEVICE9 device, LPCSTR srcFile,
                                          LPDIRECT3DTEXTURE9* texture);

} // extern "C"
