// The recorder's names for Direct3D 9 and GL values, against the platforms' documented names
// written out by hand: a constant misnamed or mistaken for its neighbour fails here.
#include "../../port/src/d3d9/gl_call_text.h"
#include "../../port/src/d3d9/inspect/call_names.h"

#include <gtest/gtest.h>

#include <GLES2/gl2.h>

TEST(CallNames, EveryFamilyNamesItsConstants) {
    const struct {
        std::string name;
        const char* documented;
    } cases[] = {
        {RenderStateName(D3DRS_ZENABLE), "D3DRS_ZENABLE"},
        {RenderStateName(D3DRS_ZFUNC), "D3DRS_ZFUNC"},
        {RenderStateName(D3DRS_CULLMODE), "D3DRS_CULLMODE"},
        {RenderStateName(D3DRS_DITHERENABLE), "D3DRS_DITHERENABLE"},
        {RenderStateName(D3DRS_SHADEMODE), "D3DRS_SHADEMODE"},
        {RenderStateName(D3DRS_LIGHTING), "D3DRS_LIGHTING"},
        {RenderStateName(D3DRS_SPECULARENABLE), "D3DRS_SPECULARENABLE"},
        {RenderStateName(D3DRS_LOCALVIEWER), "D3DRS_LOCALVIEWER"},
        {RenderStateName(D3DRS_NORMALIZENORMALS), "D3DRS_NORMALIZENORMALS"},
        {RenderStateName(D3DRS_AMBIENT), "D3DRS_AMBIENT"},
        {RenderStateName(D3DRS_SPECULARMATERIALSOURCE), "D3DRS_SPECULARMATERIALSOURCE"},
        {RenderStateName((D3DRENDERSTATETYPE)8), "8"},
        {RenderStateValueName(D3DRS_ZENABLE, 1), "D3DZB_TRUE"},
        {RenderStateValueName(D3DRS_ZFUNC, 4), "D3DCMP_LESSEQUAL"},
        {RenderStateValueName(D3DRS_ZFUNC, 7), "D3DCMP_GREATEREQUAL"},
        {RenderStateValueName(D3DRS_CULLMODE, 1), "D3DCULL_NONE"},
        {RenderStateValueName(D3DRS_CULLMODE, 3), "D3DCULL_CCW"},
        {RenderStateValueName(D3DRS_SHADEMODE, 2), "D3DSHADE_GOURAUD"},
        {RenderStateValueName(D3DRS_LIGHTING, 0), "FALSE"},
        {RenderStateValueName(D3DRS_SPECULARENABLE, 1), "TRUE"},
        {RenderStateValueName(D3DRS_AMBIENT, 0xff406080), "0xff406080"},
        {RenderStateValueName(D3DRS_SPECULARMATERIALSOURCE, 0), "D3DMCS_MATERIAL"},
        {RenderStateValueName(D3DRS_SPECULARMATERIALSOURCE, 2), "D3DMCS_COLOR2"},
        {TransformStateName((D3DTRANSFORMSTATETYPE)256), "D3DTS_WORLD"},
        {TransformStateName((D3DTRANSFORMSTATETYPE)2), "D3DTS_VIEW"},
        {TransformStateName((D3DTRANSFORMSTATETYPE)3), "D3DTS_PROJECTION"},
        {SamplerStateName((D3DSAMPLERSTATETYPE)5), "D3DSAMP_MAGFILTER"},
        {SamplerStateName((D3DSAMPLERSTATETYPE)6), "D3DSAMP_MINFILTER"},
        {SamplerStateName((D3DSAMPLERSTATETYPE)7), "D3DSAMP_MIPFILTER"},
        {TextureFilterName(0), "D3DTEXF_NONE"},
        {TextureFilterName(1), "D3DTEXF_POINT"},
        {TextureFilterName(2), "D3DTEXF_LINEAR"},
        {PrimitiveTypeName((D3DPRIMITIVETYPE)4), "D3DPT_TRIANGLELIST"},
        {PrimitiveTypeName((D3DPRIMITIVETYPE)5), "D3DPT_TRIANGLESTRIP"},
        {PrimitiveTypeName((D3DPRIMITIVETYPE)6), "D3DPT_TRIANGLEFAN"},
        {ClearFlagsName(3), "D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER"},
        {ClearFlagsName(0x6), "D3DCLEAR_ZBUFFER | 0x00000004"},
        {VertexFormatName(0x112), "D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1"},
        {FormatName((D3DFORMAT)22), "D3DFMT_X8R8G8B8"},
        {FormatName((D3DFORMAT)101), "D3DFMT_INDEX16"},
        {PoolName((D3DPOOL)1), "D3DPOOL_MANAGED"},
        {ResultName(0), "D3D_OK"},
        {ResultName((HRESULT)0x8876086C), "D3DERR_INVALIDCALL"},
        {ResultName((HRESULT)0x88760868), "D3DERR_DEVICELOST"},
        {ResultName((HRESULT)0x88760869), "D3DERR_DEVICENOTRESET"},
        {ResultName((HRESULT)0x8007000E), "E_OUTOFMEMORY"},
        {FloatName(0.1f), "0.1"},
        {FloatName(-1.25e-7f), "-1.25e-07"},
        {GlEnumName(0x0B71), "GL_DEPTH_TEST"},
        {GlEnumName(0x0203), "GL_LEQUAL"},
        {GlEnumName(0x0900), "GL_CW"},
        {GlEnumName(0x1403), "GL_UNSIGNED_SHORT"},
        {GlEnumName(0x2703), "GL_LINEAR_MIPMAP_LINEAR"},
        {GlEnumName(0x4100), "GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT"},
        {GlArgumentsText(0b101, 4, 36, 0x1403, nullptr),
         "GL_TRIANGLES, 36, GL_UNSIGNED_SHORT, NULL"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.documented, c.name);
    }
}
