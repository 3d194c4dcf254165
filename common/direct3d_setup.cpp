#include "direct3d_setup.h"

#include "camera.h"
#include "failure.h"
#include "mesh.h"
#include "program.h"

#include <string.h>

IDirect3D9* g_direct3d = NULL;
IDirect3DDevice9* g_device = NULL;
IDirect3DVertexBuffer9* g_vertexBuffer = NULL;
IDirect3DIndexBuffer9* g_indexBuffer = NULL;
D3DPRESENT_PARAMETERS g_presentParameters;

namespace {

const WCHAR INIT_FAILED_TEXT[] = L"B\u0142\u0105d inicjalizacji Direct3D!";

void CheckCreated(HWND window, HRESULT result) {
    if (FAILED(result)) {
        ExitWithDeviceFailure(window);
    }
}

void FillPresentParameters(HWND window) {
    memset(&g_presentParameters, 0, sizeof(g_presentParameters));
    g_presentParameters.Windowed = TRUE;
    g_presentParameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    g_presentParameters.hDeviceWindow = window;
    g_presentParameters.EnableAutoDepthStencil = TRUE;
    g_presentParameters.AutoDepthStencilFormat = D3DFMT_D16;
}

void CreateVertexBuffer(HWND window) {
    const UINT length = CUBE_VERTEX_COUNT * g_vertexStride;
    CheckCreated(window, g_device->CreateVertexBuffer(length, 0, g_vertexFormat, D3DPOOL_MANAGED,
                                                      &g_vertexBuffer, NULL));
    void* vertices = NULL;
    CheckCreated(window, g_vertexBuffer->Lock(0, 0, &vertices, 0));
    WriteCubeVertices(vertices, g_vertexStride);
    g_vertexBuffer->Unlock();
}

void CreateIndexBuffer(HWND window) {
    CheckCreated(window, g_device->CreateIndexBuffer(sizeof(g_cubeIndices), 0, D3DFMT_INDEX16,
                                                     D3DPOOL_MANAGED, &g_indexBuffer, NULL));
    void* indices = NULL;
    CheckCreated(window, g_indexBuffer->Lock(0, 0, &indices, 0));
    memcpy(indices, g_cubeIndices, sizeof(g_cubeIndices));
    g_indexBuffer->Unlock();
}

} // namespace

void InitDirect3D(HWND window) {
    g_direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (g_direct3d == NULL) {
        ExitWithDeviceFailure(window);
    }
    FillPresentParameters(window);
    CheckCreated(window, g_direct3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                                  D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                                  &g_presentParameters, &g_device));
    CreateVertexBuffer(window);
    CreateIndexBuffer(window);
    SetFixedStates();
}

void ExitWithDeviceFailure(HWND window) {
    ExitWithMessage(window, INIT_FAILED_TEXT);
}

void SetFixedStates() {
    g_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    g_device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    const D3DXMATRIX projection = ComputeProjectionMatrix();
    g_device->SetTransform(D3DTS_PROJECTION, &projection);
}

void CleanDirect3D() {
    ReleaseProgramObjects();
    g_indexBuffer->Release();
    g_vertexBuffer->Release();
    g_device->Release();
    g_direct3d->Release();
}
