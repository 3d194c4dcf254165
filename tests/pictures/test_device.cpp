#include "test_device.h"

#include "back_buffer.h"
#include "hidden_device.h"

#include <cstring>

std::vector<SceneVertex> Rectangle(float left, float top, float right, float bottom, float z,
                                   D3DVECTOR normal) {
    return {{left, top, z, normal.x, normal.y, normal.z},
            {right, top, z, normal.x, normal.y, normal.z},
            {left, bottom, z, normal.x, normal.y, normal.z},
            {right, bottom, z, normal.x, normal.y, normal.z}};
}

const std::vector<WORD>& RectangleIndices() {
    static const std::vector<WORD> indices = {0, 1, 2, 2, 1, 3};
    return indices;
}

const std::vector<TexturedSceneVertex>& TexturedQuarter() {
    static const std::vector<TexturedSceneVertex> quarter = {{-1, 1, 0.5f, 0, 0, -1, 0, 0},
                                                             {0, 1, 0.5f, 0, 0, -1, 1, 0},
                                                             {-1, 0, 0.5f, 0, 0, -1, 0, 1},
                                                             {0, 0, 0.5f, 0, 0, -1, 1, 1}};
    return quarter;
}

void FillLevel(IDirect3DTexture9* texture, UINT level, UINT width,
               const std::vector<uint8_t>& bgrx) {
    D3DLOCKED_RECT locked;
    ASSERT_EQ(D3D_OK, texture->LockRect(level, &locked, nullptr, 0));
    const size_t rowBytes = (size_t)width * 4;
    for (size_t row = 0; row * rowBytes < bgrx.size(); ++row) {
        std::memcpy((uint8_t*)locked.pBits + row * locked.Pitch, &bgrx[row * rowBytes], rowBytes);
    }
    ASSERT_EQ(D3D_OK, texture->UnlockRect(level));
}

IDirect3DTexture9* CreateFilledTexture(IDirect3DDevice9* device, UINT width, UINT height,
                                       const std::vector<uint8_t>& bgrx) {
    IDirect3DTexture9* texture = nullptr;
    const HRESULT created = device->CreateTexture(width, height, 1, 0, D3DFMT_X8R8G8B8,
                                                  D3DPOOL_MANAGED, &texture, nullptr);
    EXPECT_EQ(D3D_OK, created) << "CreateTexture " << width << " x " << height;
    if (texture != nullptr) {
        FillLevel(texture, 0, width, bgrx);
    }
    return texture;
}

HWND OpenTestWindow(int width, int height) {
    HWND window = CreateHiddenWindow(width, height);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

TestDevice::TestDevice(int width, int height) {
    window = OpenTestWindow(width, height);
    EXPECT_NE(nullptr, window);
    direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (direct3d == nullptr) {
        ADD_FAILURE() << "Direct3DCreate9 failed";
        return;
    }
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    created = CreateWindowedDevice(direct3d, window, &parameters, &device);
    EXPECT_EQ(D3D_OK, created);
}

TestDevice::~TestDevice() {
    if (indexBuffer != nullptr) {
        indexBuffer->Release();
    }
    if (vertexBuffer != nullptr) {
        vertexBuffer->Release();
    }
    if (device != nullptr) {
        device->Release();
    }
    if (direct3d != nullptr) {
        direct3d->Release();
    }
    DestroyWindow(window);
}

void TestDevice::Upload(const void* vertices, UINT vertexBytes, UINT stride, DWORD fvf,
                        const std::vector<WORD>& indices) {
    if (vertexBuffer != nullptr) {
        vertexBuffer->Release();
        indexBuffer->Release();
        vertexBuffer = nullptr;
        indexBuffer = nullptr;
    }
    ASSERT_EQ(D3D_OK, created) << "no device to upload to";
    ASSERT_EQ(D3D_OK, device->CreateVertexBuffer(vertexBytes, 0, fvf, D3DPOOL_MANAGED,
                                                 &vertexBuffer, nullptr));
    void* data = nullptr;
    ASSERT_EQ(D3D_OK, vertexBuffer->Lock(0, 0, &data, 0));
    std::memcpy(data, vertices, vertexBytes);
    ASSERT_EQ(D3D_OK, vertexBuffer->Unlock());
    const UINT indexBytes = (UINT)(indices.size() * sizeof(WORD));
    ASSERT_EQ(D3D_OK, device->CreateIndexBuffer(indexBytes, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED,
                                                &indexBuffer, nullptr));
    ASSERT_EQ(D3D_OK, indexBuffer->Lock(0, 0, &data, 0));
    std::memcpy(data, indices.data(), indexBytes);
    ASSERT_EQ(D3D_OK, indexBuffer->Unlock());
    indexCount_ = (UINT)indices.size();
    EXPECT_EQ(D3D_OK, device->SetFVF(fvf));
    EXPECT_EQ(D3D_OK, device->SetStreamSource(0, vertexBuffer, 0, stride));
    EXPECT_EQ(D3D_OK, device->SetIndices(indexBuffer));
}

void TestDevice::DrawMesh() {
    ASSERT_EQ(D3D_OK, device->BeginScene());
    EXPECT_EQ(D3D_OK, device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, vertexCount_, 0,
                                                   indexCount_ / 3));
    EXPECT_EQ(D3D_OK, device->EndScene());
}

Picture TestDevice::ReadBack() {
    Picture picture;
    const UINT width = parameters.BackBufferWidth;
    const UINT height = parameters.BackBufferHeight;
    EXPECT_TRUE(ReadBackBuffer(device, width, height, &picture.rgb)) << "the back buffer";
    if (!picture.rgb.empty()) {
        picture.width = (int)width;
        picture.height = (int)height;
    }
    return picture;
}
