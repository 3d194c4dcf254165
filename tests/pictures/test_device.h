// A real device on a real window, for drawing test scenes through the Direct3D API and reading
// them back as a program on the platform would.
#pragma once

#include "picture.h"

#include <windows.h>
#include <d3d9.h>

#include <cstdint>
#include <vector>

struct SceneVertex {
    float x, y, z;
    float nx, ny, nz;
};

struct TexturedSceneVertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};

// An axis-aligned rectangle from (left, top) to (right, bottom) at depth z, all four corners
// with one normal; with identity transforms the coordinates are clip space. Two triangles that
// wind clockwise on screen.
std::vector<SceneVertex> Rectangle(float left, float top, float right, float bottom, float z,
                                   D3DVECTOR normal);
const std::vector<WORD>& RectangleIndices();
// The top-left quarter of the target in clip space, facing the camera, u and v running from 0 at
// its top-left corner to 1 at its bottom-right one.
const std::vector<TexturedSceneVertex>& TexturedQuarter();

// Writes texels given as B, G, R, X bytes, rows packed and width wide, into the texture's level
// through LockRect, at the pitch it hands out.
void FillLevel(IDirect3DTexture9* texture, UINT level, UINT width,
               const std::vector<uint8_t>& bgrx);
// A managed X8R8G8B8 texture of width x height with one level, filled with bgrx as FillLevel
// takes it; null, with a failure, when it cannot be made.
IDirect3DTexture9* CreateFilledTexture(IDirect3DDevice9* device, UINT width, UINT height,
                                       const std::vector<uint8_t>& bgrx);

class TestDevice {
  public:
    // A window whose client area is width x height, and a windowed device on it with a 16-bit
    // depth buffer and a back buffer of the client's size.
    TestDevice(int width = 640, int height = 480);
    ~TestDevice();
    TestDevice(const TestDevice&) = delete;
    TestDevice& operator=(const TestDevice&) = delete;

    // Makes managed buffers of the vertices and indices and binds them (stride and format from
    // the vertex type). The buffers stay alive with the TestDevice.
    template <class Vertex>
    void BindMesh(const std::vector<Vertex>& vertices, const std::vector<WORD>& indices);
    // Draws the bound mesh as a triangle list in a scene.
    void DrawMesh();
    Picture ReadBack();

    HWND window = nullptr;
    IDirect3D9* direct3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    D3DPRESENT_PARAMETERS parameters{};
    HRESULT created = E_INVALIDARG;
    IDirect3DVertexBuffer9* vertexBuffer = nullptr;
    IDirect3DIndexBuffer9* indexBuffer = nullptr;

  private:
    void Upload(const void* vertices, UINT vertexBytes, UINT stride, DWORD fvf,
                const std::vector<WORD>& indices);
    UINT indexCount_ = 0;
    UINT vertexCount_ = 0;
};

template <class Vertex>
void TestDevice::BindMesh(const std::vector<Vertex>& vertices, const std::vector<WORD>& indices) {
    const DWORD fvf = sizeof(Vertex) == sizeof(SceneVertex)
                          ? D3DFVF_XYZ | D3DFVF_NORMAL
                          : D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1;
    vertexCount_ = (UINT)vertices.size();
    Upload(vertices.data(), (UINT)(vertices.size() * sizeof(Vertex)), sizeof(Vertex), fvf, indices);
}

// A window of the given client size, for tests that make devices themselves.
HWND OpenTestWindow(int width, int height);
