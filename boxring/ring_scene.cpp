// Eight boxes on a ring of radius 4 round the Y axis, red shading towards yellow.
#include "program.h"

#include "frame.h"
#include "lighting.h"
#include "direct3d_setup.h"

namespace {

const int BOX_COUNT = 8;
const float RING_RADIUS = 4.0f;
const float BOX_SPACING = D3DX_PI / 4.0f;
const float GREEN_STEP = 0.125f;

} // namespace

void DrawScene(const D3DXMATRIX* spin) {
    D3DXMATRIX translation;
    D3DXMatrixTranslation(&translation, RING_RADIUS, 0.0f, 0.0f);
    for (int i = 0; i < BOX_COUNT; ++i) {
        D3DXMATRIX rotation;
        D3DXMATRIX placement;
        D3DXMATRIX world;
        D3DXMatrixRotationY(&rotation, (float)i * BOX_SPACING);
        D3DXMatrixMultiply(&placement, &translation, &rotation);
        D3DXMatrixMultiply(&world, &placement, spin);
        g_device->SetTransform(D3DTS_WORLD, &world);
        SetMaterialColor(1.0f, (float)i * GREEN_STEP, 0.0f);
        DrawCube();
    }
}
