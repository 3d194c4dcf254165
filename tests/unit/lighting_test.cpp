// The light and material calls, record by record.
#include "lighting.h"

#include "expected_calls.h"
#include "recording_device.h"

#include <gtest/gtest.h>

namespace {

void ExpectColor(const D3DCOLORVALUE& color, float r, float g, float b, float a) {
    EXPECT_EQ(color.r, r);
    EXPECT_EQ(color.g, g);
    EXPECT_EQ(color.b, b);
    EXPECT_EQ(color.a, a);
}

TEST(Lighting, InitLightTurnsOnOneWhiteDirectionalLightWithHighlights) {
    RecordingPlatform platform;
    platform.InstallDevice();
    InitLight();

    EXPECT_EQ(platform.log.Texts(), InitLightCalls());
    const D3DLIGHT9& light = platform.log.calls[1].light;
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL);
    ExpectColor(light.Diffuse, 0.8f, 0.8f, 0.8f, 1.0f);
    ExpectColor(light.Specular, 1.0f, 1.0f, 1.0f, 1.0f);
    ExpectColor(light.Ambient, 0.2f, 0.2f, 0.2f, 1.0f);
    EXPECT_EQ(light.Position.x, 0.0f);
    EXPECT_EQ(light.Position.y, 0.0f);
    EXPECT_EQ(light.Position.z, 0.0f);
    EXPECT_EQ(light.Direction.x, 0.0f);
    EXPECT_EQ(light.Direction.y, -1.0f);
    EXPECT_EQ(light.Direction.z, -1.0f);
    EXPECT_EQ(light.Range, 0.0f);
    EXPECT_EQ(light.Falloff, 0.0f);
    EXPECT_EQ(light.Attenuation0, 0.0f);
    EXPECT_EQ(light.Attenuation1, 0.0f);
    EXPECT_EQ(light.Attenuation2, 0.0f);
    EXPECT_EQ(light.Theta, 0.0f);
    EXPECT_EQ(light.Phi, 0.0f);
}

TEST(Lighting, SetMaterialColorReplacesTheWholeMaterial) {
    RecordingPlatform platform;
    platform.InstallDevice();
    SetMaterialColor(1.0f, 1.0f, 1.0f);
    SetMaterialColor(1.0f, 0.375f, 0.0f);

    const std::string source = "SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL)";
    EXPECT_EQ(platform.log.Texts(), (std::vector<std::string>{"SetMaterial(material)", source,
                                                              "SetMaterial(material)", source}));
    ExpectColor(platform.log.calls[0].material.Diffuse, 1.0f, 1.0f, 1.0f, 1.0f);
    const D3DMATERIAL9& material = platform.log.calls[2].material;
    ExpectColor(material.Diffuse, 1.0f, 0.375f, 0.0f, 1.0f);
    ExpectColor(material.Ambient, 1.0f, 0.375f, 0.0f, 1.0f);
    ExpectColor(material.Specular, 1.0f, 1.0f, 1.0f, 1.0f);
    ExpectColor(material.Emissive, 0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(material.Power, 64.0f);
}

} // namespace
