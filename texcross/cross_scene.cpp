// Five textured cubes in a plus sign in the XY plane: one at the centre, one 3 units to each side,
// above and below.
#include "program.h"

#include "direct3d_setup.h"
#include "frame.h"
#include "lighting.h"
#include "texture_set.h"

namespace {

const float CUBE_OFFSETS[TEXTURE_COUNT][3] = {
    {0.0f, 0.0f, 0.0f}, {3.0f, 0.0f, 0.0f},  {-3.0f, 0.0f, 0.0f},
    {0.0f, 3.0f, 0.0f}, {0.0f, -3.0f, 0.0f},
};

} // namespace

void DrawScene(const D3DXMATRIX* spin) {
    SetMaterialColor(1.0f, 1.0f, 1.0f);
    for (int k = 0; k < TEXTURE_COUNT; ++k) {
        g_device->SetTexture(0, g_textures[k]);
        D3DXMATRIX translation;
        D3DXMATRIX world;
        D3DXMatrixTranslation(&translation, CUBE_OFFSETS[k][0], CUBE_OFFSETS[k][1],
                              CUBE_OFFSETS[k][2]);
        D3DXMatrixMultiply(&world, &translation, spin);
        g_device->SetTransform(D3DTS_WORLD, &world);
        DrawCube();
    }
}
