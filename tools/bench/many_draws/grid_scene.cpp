#include "grid_scene.h"

#include "direct3d_setup.h"
#include "draw_count.h"
#include "failure.h"
#include "frame.h"
#include "program.h"

#include <math.h>
#include <string.h>

#include <new>
#include <vector>

long g_drawCount = 64;

namespace {

const int MATERIAL_COUNT = 4;
const long SPECULAR_RUN = 16;
// The grid's side in world units: it fills the view at the camera's distance.
const float GRID_SPAN = 8.0f;
// A cube's width as a share of the grid's spacing (the mesh is 2 units wide).
const float CUBE_SHARE = 0.6f;

const float MATERIAL_COLORS[MATERIAL_COUNT][3] = {
    {1.0f, 0.2f, 0.1f}, {0.2f, 0.9f, 0.2f}, {0.2f, 0.4f, 1.0f}, {1.0f, 0.9f, 0.1f}};

std::vector<D3DXMATRIX> g_placements;
D3DMATERIAL9 g_materials[MATERIAL_COUNT];

void FillMaterial(D3DMATERIAL9* material, const float* color) {
    memset(material, 0, sizeof(*material));
    material->Diffuse.r = color[0];
    material->Diffuse.g = color[1];
    material->Diffuse.b = color[2];
    material->Diffuse.a = 1.0f;
    material->Ambient.r = color[0];
    material->Ambient.g = color[1];
    material->Ambient.b = color[2];
    material->Ambient.a = 1.0f;
    material->Specular.r = 1.0f;
    material->Specular.g = 1.0f;
    material->Specular.b = 1.0f;
    material->Specular.a = 1.0f;
    material->Power = 64.0f;
}

} // namespace

void PlaceCubes(HWND window) {
    const long side = (long)ceil(sqrt((double)g_drawCount));
    const float spacing = GRID_SPAN / (float)side;
    const float scale = spacing * CUBE_SHARE / 2.0f;
    try {
        g_placements.resize((size_t)g_drawCount);
    } catch (const std::bad_alloc&) {
        ExitWithMessage(window, L"Not enough memory for the cubes' places.");
    }
    for (long i = 0; i < g_drawCount; ++i) {
        const float x = ((float)(i % side) + 0.5f) * spacing - GRID_SPAN / 2.0f;
        const float y = ((float)(i / side) + 0.5f) * spacing - GRID_SPAN / 2.0f;
        // Scaled by scale, then moved to (x, y, 0).
        D3DXMATRIX* placement = &g_placements[(size_t)i];
        D3DXMatrixTranslation(placement, x, y, 0.0f);
        placement->_11 = scale;
        placement->_22 = scale;
        placement->_33 = scale;
    }
    for (int k = 0; k < MATERIAL_COUNT; ++k) {
        FillMaterial(&g_materials[k], MATERIAL_COLORS[k]);
    }
}

void SetGridStates() {
    g_device->SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL);
    g_device->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE);
}

void DrawScene(const D3DXMATRIX* spin) {
    for (long i = 0; i < g_drawCount; ++i) {
        if (i % SPECULAR_RUN == 0) {
            const BOOL specular = (i / SPECULAR_RUN) % 2 == 0 ? TRUE : FALSE;
            g_device->SetRenderState(D3DRS_SPECULARENABLE, specular);
        }
        D3DXMATRIX world;
        D3DXMatrixMultiply(&world, &g_placements[(size_t)i], spin);
        g_device->SetTransform(D3DTS_WORLD, &world);
        g_device->SetMaterial(&g_materials[i % MATERIAL_COUNT]);
        DrawCube();
    }
}
