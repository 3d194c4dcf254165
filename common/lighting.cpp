#include "lighting.h"

#include "direct3d_setup.h"

#include <string.h>

void InitLight() {
    g_device->SetRenderState(D3DRS_LIGHTING, TRUE);

    D3DLIGHT9 light;
    memset(&light, 0, sizeof(light));
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse.r = 0.8f;
    light.Diffuse.g = 0.8f;
    light.Diffuse.b = 0.8f;
    light.Diffuse.a = 1.0f;
    light.Specular.r = 1.0f;
    light.Specular.g = 1.0f;
    light.Specular.b = 1.0f;
    light.Specular.a = 1.0f;
    light.Ambient.r = 0.2f;
    light.Ambient.g = 0.2f;
    light.Ambient.b = 0.2f;
    light.Ambient.a = 1.0f;
    light.Direction.x = 0.0f;
    light.Direction.y = -1.0f;
    light.Direction.z = -1.0f;
    g_device->SetLight(0, &light);
    g_device->LightEnable(0, TRUE);

    g_device->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
}

void SetMaterialColor(float r, float g, float b) {
    D3DMATERIAL9 material;
    memset(&material, 0, sizeof(material));
    material.Diffuse.r = r;
    material.Diffuse.g = g;
    material.Diffuse.b = b;
    material.Diffuse.a = 1.0f;
    material.Ambient.r = r;
    material.Ambient.g = g;
    material.Ambient.b = b;
    material.Ambient.a = 1.0f;
    material.Specular.r = 1.0f;
    material.Specular.g = 1.0f;
    material.Specular.b = 1.0f;
    material.Specular.a = 1.0f;
    material.Power = 64.0f;
    g_device->SetMaterial(&material);
    g_device->SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL);
}
