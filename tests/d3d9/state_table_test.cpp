// The render-state table's defaults, and the parts of the draw each setter makes stale, on a
// device whose context never draws.
#include "../../port/src/d3d9/device.h"
#include "../../port/src/d3d9/render_states.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

// A context with no window and no GL: enough for setters, which record and never call GL.
class NoGlContext : public GlContext {
  public:
    HWND Window() const override { return nullptr; }
    bool MakeCurrent() override { return false; }
    void WindowSize(int* width, int* height) override { *width = *height = 0; }
    bool Present(RenderTarget*) override { return false; }
    int SetSwapInterval(int) override { return 0; }
    bool ContextLost() override { return false; }
    unsigned Generation() const override { return 0; }
};

// The parts whose version differs between two snapshots.
unsigned PartsRaised(const StateVersions& before, const StateVersions& after) {
    unsigned raised = PART_NONE;
    for (unsigned index = 0; index < PART_COUNT; ++index) {
        const DrawPart part = (DrawPart)(1u << index);
        raised |= after.Of(part) != before.Of(part) ? part : PART_NONE;
    }
    return raised;
}

} // namespace

// Direct3D 9's documented defaults, and each accepted by its own row's check.
TEST(RenderStateTable, EveryRowStartsAtDirect3DsDefault) {
    const std::map<D3DRENDERSTATETYPE, DWORD> documented = {
        {D3DRS_ZENABLE, 1},
        {D3DRS_ZFUNC, 4},
        {D3DRS_CULLMODE, 3},
        {D3DRS_DITHERENABLE, 0},
        {D3DRS_SHADEMODE, 2},
        {D3DRS_LIGHTING, 1},
        {D3DRS_SPECULARENABLE, 0},
        {D3DRS_LOCALVIEWER, 1},
        {D3DRS_NORMALIZENORMALS, 0},
        {D3DRS_AMBIENT, 0},
        {D3DRS_SPECULARMATERIALSOURCE, 2},
    };
    size_t count = 0;
    const RenderStateRow* rows = RenderStateRows(&count);
    ASSERT_EQ(count, documented.size());
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(rows[i].state);
        ASSERT_EQ(documented.count(rows[i].state), 1u);
        EXPECT_EQ(rows[i].defaultValue, documented.at(rows[i].state));
        EXPECT_TRUE(rows[i].accepts(rows[i].defaultValue));
    }
}

// Each setter makes stale exactly the parts of the draw made from what it sets, and a value set
// again makes nothing stale.
TEST(DeviceSetters, MarkExactlyThePartsTheirValuesFeed) {
    IDirect3D9* direct3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(direct3d, nullptr);
    Device* device = new Device(direct3d, std::make_shared<NoGlContext>());
    IDirect3DVertexBuffer9* vertices = nullptr;
    IDirect3DIndexBuffer9* indices = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(96, 0, 0, D3DPOOL_MANAGED, &vertices, nullptr), D3D_OK);
    ASSERT_EQ(device->CreateIndexBuffer(12, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices, nullptr),
              D3D_OK);
    Texture* texture = new Texture(device->Context(), 4, 4, 1, D3DFMT_X8R8G8B8);
    D3DMATRIX matrix = {};
    matrix._11 = matrix._22 = matrix._33 = matrix._44 = 2.0f;
    D3DMATERIAL9 material = {};
    material.Diffuse.r = 1.0f;
    D3DLIGHT9 light = {};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction.y = -1.0f;

    struct Case {
        const char* call;
        std::function<HRESULT(Device*)> make;
        unsigned parts;
    };
    const Case cases[] = {
        {"ZENABLE", [](Device* d) { return d->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE); },
         PART_RASTER},
        {"ZFUNC", [](Device* d) { return d->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS); },
         PART_RASTER},
        {"CULLMODE", [](Device* d) { return d->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE); },
         PART_RASTER},
        {"DITHERENABLE", [](Device* d) { return d->SetRenderState(D3DRS_DITHERENABLE, TRUE); },
         PART_RASTER},
        {"SHADEMODE", [](Device* d) { return d->SetRenderState(D3DRS_SHADEMODE, 2); }, PART_NONE},
        {"LIGHTING", [](Device* d) { return d->SetRenderState(D3DRS_LIGHTING, TRUE); },
         PART_PROGRAM},
        {"SPECULARENABLE", [](Device* d) { return d->SetRenderState(D3DRS_SPECULARENABLE, 1); },
         PART_LIGHTING},
        {"LOCALVIEWER", [](Device* d) { return d->SetRenderState(D3DRS_LOCALVIEWER, TRUE); },
         PART_PROGRAM},
        {"NORMALIZENORMALS",
         [](Device* d) { return d->SetRenderState(D3DRS_NORMALIZENORMALS, TRUE); }, PART_PROGRAM},
        {"AMBIENT", [](Device* d) { return d->SetRenderState(D3DRS_AMBIENT, 0x202020); },
         PART_LIGHTING},
        {"SPECULARMATERIALSOURCE",
         [](Device* d) { return d->SetRenderState(D3DRS_SPECULARMATERIALSOURCE, 1); }, PART_NONE},
        {"WORLD", [&](Device* d) { return d->SetTransform(D3DTS_WORLD, &matrix); },
         PART_TRANSFORMS},
        {"VIEW", [&](Device* d) { return d->SetTransform(D3DTS_VIEW, &matrix); },
         PART_CAMERA | PART_TRANSFORMS | PART_LIGHTING},
        {"PROJECTION", [&](Device* d) { return d->SetTransform(D3DTS_PROJECTION, &matrix); },
         PART_CAMERA | PART_TRANSFORMS},
        {"SetMaterial", [&](Device* d) { return d->SetMaterial(&material); }, PART_LIGHTING},
        {"SetLight", [&](Device* d) { return d->SetLight(0, &light); },
         PART_CAMERA | PART_LIGHTING},
        {"LightEnable", [](Device* d) { return d->LightEnable(0, TRUE); },
         PART_PROGRAM | PART_CAMERA | PART_LIGHTING},
        {"SetTexture", [&](Device* d) { return d->SetTexture(0, texture); },
         PART_PROGRAM | PART_SAMPLER},
        {"MINFILTER", [](Device* d) { return d->SetSamplerState(0, D3DSAMP_MINFILTER, 2); },
         PART_SAMPLER},
        {"MAGFILTER", [](Device* d) { return d->SetSamplerState(0, D3DSAMP_MAGFILTER, 2); },
         PART_SAMPLER},
        {"MIPFILTER", [](Device* d) { return d->SetSamplerState(0, D3DSAMP_MIPFILTER, 2); },
         PART_SAMPLER},
        {"SetFVF", [](Device* d) { return d->SetFVF(D3DFVF_XYZ | D3DFVF_NORMAL); },
         PART_VERTEX_INPUT},
        {"SetStreamSource", [&](Device* d) { return d->SetStreamSource(0, vertices, 0, 24); },
         PART_VERTEX_INPUT},
        {"SetIndices", [&](Device* d) { return d->SetIndices(indices); }, PART_VERTEX_INPUT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        const StateVersions before = device->Versions();
        ASSERT_EQ(c.make(device), D3D_OK);
        const StateVersions between = device->Versions();
        EXPECT_EQ(PartsRaised(before, between), c.parts);
        // Lights, lighting and transforms are not compared: setting them again marks them again.
        if ((c.parts & (PART_TRANSFORMS | PART_LIGHTING)) == 0) {
            ASSERT_EQ(c.make(device), D3D_OK);
            EXPECT_EQ(PartsRaised(between, device->Versions()), PART_NONE);
        }
    }
    texture->Release();
    indices->Release();
    vertices->Release();
    device->Release();
    direct3d->Release();
}
