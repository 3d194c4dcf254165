// Stand-in for Direct3D 9 on hosts without it.
//
// Implements: the records, constants and interfaces that boxring, texcross, their tools and our
// D3DX use, with the platform's values, method names and argument orders. The interfaces are
// abstract classes with reference counting; port/src/d3d9 implements them with OpenGL ES 2.0
// calls: the fixed-function pipeline as generated GLSL programs, the back buffer in the window's
// own framebuffer while the window has its size (else in a framebuffer object), textures kept in
// system memory and uploaded at their first draw.
// Leaves out: every method nobody here calls (QueryInterface included), full-screen devices,
// shaders, vertex declarations, stencil.
// Knowingly differs: only windowed devices; MANAGED and DEFAULT pools behave alike for buffers;
// textures are 2D, X8R8G8B8 or A8R8G8B8, in the managed pool, with usage 0; a read-only lock of a
// texture level still counts as a change; D3DCAPS9 declares only the fields GetDeviceCaps fills
// (the largest texture size); one texture stage and one sampler (0), eight lights, directional
// lights only, Gouraud shading only, triangles only (points and lines are refused); Clear takes
// no rectangles and Present only the whole back buffer to the device window; the back buffer is
// not lockable.
#pragma once

#include <windows.h>

#define D3D_SDK_VERSION 32
#define D3DADAPTER_DEFAULT 0

#define D3DCREATE_SOFTWARE_VERTEXPROCESSING 0x00000020L

#define D3DCLEAR_TARGET 0x00000001L
#define D3DCLEAR_ZBUFFER 0x00000002L

#define D3DFVF_XYZ 0x002
#define D3DFVF_NORMAL 0x010
#define D3DFVF_TEX1 0x100

#define D3DPRESENT_INTERVAL_DEFAULT 0x00000000L
#define D3DPRESENT_INTERVAL_ONE 0x00000001L
#define D3DPRESENT_INTERVAL_IMMEDIATE 0x80000000L

#define D3DTS_WORLD ((D3DTRANSFORMSTATETYPE)256)

#define D3DLOCK_READONLY 0x00000010L

#define D3D_OK S_OK
#define D3DERR_WRONGTEXTUREFORMAT ((HRESULT)0x88760818L)
#define D3DERR_OUTOFVIDEOMEMORY ((HRESULT)0x8876017CL)
#define D3DERR_DEVICELOST ((HRESULT)0x88760868L)
#define D3DERR_DEVICENOTRESET ((HRESULT)0x88760869L)
#define D3DERR_NOTAVAILABLE ((HRESULT)0x8876086AL)
#define D3DERR_INVALIDCALL ((HRESULT)0x8876086CL)

typedef DWORD D3DCOLOR;

enum D3DFORMAT {
    D3DFMT_UNKNOWN = 0,
    D3DFMT_A8R8G8B8 = 21,
    D3DFMT_X8R8G8B8 = 22,
    D3DFMT_D16 = 80,
    D3DFMT_INDEX16 = 101,
    D3DFMT_INDEX32 = 102,
};

enum D3DDEVTYPE { D3DDEVTYPE_HAL = 1 };

enum D3DPOOL {
    D3DPOOL_DEFAULT = 0,
    D3DPOOL_MANAGED = 1,
    D3DPOOL_SYSTEMMEM = 2,
};

enum D3DRESOURCETYPE { D3DRTYPE_SURFACE = 1 };

enum D3DSWAPEFFECT { D3DSWAPEFFECT_DISCARD = 1 };

enum D3DMULTISAMPLE_TYPE { D3DMULTISAMPLE_NONE = 0 };

enum D3DBACKBUFFER_TYPE { D3DBACKBUFFER_TYPE_MONO = 0 };

// D3DTS_WORLD (256) is a macro, not one of the names below; the largest value makes every
// number up to it one of the type's values, so a D3DTS_WORLD passed as this type is well defined.
enum D3DTRANSFORMSTATETYPE {
    D3DTS_VIEW = 2,
    D3DTS_PROJECTION = 3,
    D3DTS_FORCE_DWORD = 0x7fffffff,
};

enum D3DRENDERSTATETYPE {
    D3DRS_ZENABLE = 7,
    D3DRS_SHADEMODE = 9,
    D3DRS_ZFUNC = 23,
    D3DRS_CULLMODE = 22,
    D3DRS_DITHERENABLE = 26,
    D3DRS_SPECULARENABLE = 29,
    D3DRS_LIGHTING = 137,
    D3DRS_AMBIENT = 139,
    D3DRS_LOCALVIEWER = 142,
    D3DRS_NORMALIZENORMALS = 143,
    D3DRS_SPECULARMATERIALSOURCE = 146,
};

enum D3DSHADEMODE {
    D3DSHADE_FLAT = 1,
    D3DSHADE_GOURAUD = 2,
};

enum D3DZBUFFERTYPE {
    D3DZB_FALSE = 0,
    D3DZB_TRUE = 1,
};

enum D3DCULL {
    D3DCULL_NONE = 1,
    D3DCULL_CW = 2,
    D3DCULL_CCW = 3,
};

enum D3DCMPFUNC {
    D3DCMP_NEVER = 1,
    D3DCMP_LESS = 2,
    D3DCMP_EQUAL = 3,
    D3DCMP_LESSEQUAL = 4,
    D3DCMP_GREATER = 5,
    D3DCMP_NOTEQUAL = 6,
    D3DCMP_GREATEREQUAL = 7,
    D3DCMP_ALWAYS = 8,
};

enum D3DMATERIALCOLORSOURCE {
    D3DMCS_MATERIAL = 0,
    D3DMCS_COLOR1 = 1,
    D3DMCS_COLOR2 = 2,
};

enum D3DLIGHTTYPE {
    D3DLIGHT_POINT = 1,
    D3DLIGHT_SPOT = 2,
    D3DLIGHT_DIRECTIONAL = 3,
};

enum D3DPRIMITIVETYPE {
    D3DPT_POINTLIST = 1,
    D3DPT_LINELIST = 2,
    D3DPT_LINESTRIP = 3,
    D3DPT_TRIANGLELIST = 4,
    D3DPT_TRIANGLESTRIP = 5,
    D3DPT_TRIANGLEFAN = 6,
};

enum D3DSAMPLERSTATETYPE {
    D3DSAMP_MAGFILTER = 5,
    D3DSAMP_MINFILTER = 6,
    D3DSAMP_MIPFILTER = 7,
};

enum D3DTEXTUREFILTERTYPE {
    D3DTEXF_NONE = 0,
    D3DTEXF_POINT = 1,
    D3DTEXF_LINEAR = 2,
};

struct D3DCOLORVALUE {
    float r;
    float g;
    float b;
    float a;
};

struct D3DVECTOR {
    float x;
    float y;
    float z;
};

struct D3DMATRIX {
    union {
        struct {
            float _11, _12, _13, _14;
            float _21, _22, _23, _24;
            float _31, _32, _33, _34;
            float _41, _42, _43, _44;
        };
        float m[4][4];
    };
};

struct D3DLIGHT9 {
    D3DLIGHTTYPE Type;
    D3DCOLORVALUE Diffuse;
    D3DCOLORVALUE Specular;
    D3DCOLORVALUE Ambient;
    D3DVECTOR Position;
    D3DVECTOR Direction;
    float Range;
    float Falloff;
    float Attenuation0;
    float Attenuation1;
    float Attenuation2;
    float Theta;
    float Phi;
};

struct D3DMATERIAL9 {
    D3DCOLORVALUE Diffuse;
    D3DCOLORVALUE Ambient;
    D3DCOLORVALUE Specular;
    D3DCOLORVALUE Emissive;
    float Power;
};

struct D3DPRESENT_PARAMETERS {
    UINT BackBufferWidth;
    UINT BackBufferHeight;
    D3DFORMAT BackBufferFormat;
    UINT BackBufferCount;
    D3DMULTISAMPLE_TYPE MultiSampleType;
    DWORD MultiSampleQuality;
    D3DSWAPEFFECT SwapEffect;
    HWND hDeviceWindow;
    BOOL Windowed;
    BOOL EnableAutoDepthStencil;
    D3DFORMAT AutoDepthStencilFormat;
    DWORD Flags;
    UINT FullScreen_RefreshRateInHz;
    UINT PresentationInterval;
};

struct D3DRECT {
    LONG x1;
    LONG y1;
    LONG x2;
    LONG y2;
};

struct D3DLOCKED_RECT {
    INT Pitch;
    void* pBits;
};

struct D3DSURFACE_DESC {
    D3DFORMAT Format;
    D3DRESOURCETYPE Type;
    DWORD Usage;
    D3DPOOL Pool;
    D3DMULTISAMPLE_TYPE MultiSampleType;
    DWORD MultiSampleQuality;
    UINT Width;
    UINT Height;
};

// Partial: the platform's record has many more fields.
struct D3DCAPS9 {
    DWORD MaxTextureWidth;
    DWORD MaxTextureHeight;
};

struct RGNDATA;

static_assert(sizeof(D3DMATRIX) == 64, "D3DMATRIX is 16 floats");
static_assert(sizeof(D3DLIGHT9) == 104, "D3DLIGHT9 has the platform's layout");
static_assert(sizeof(D3DMATERIAL9) == 68, "D3DMATERIAL9 has the platform's layout");

class IUnknown {
  public:
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

  protected:
    virtual ~IUnknown() = default;
};

class IDirect3DResource9 : public IUnknown {};

class IDirect3DBaseTexture9 : public IDirect3DResource9 {
  public:
    virtual DWORD GetLevelCount() = 0;
};

class IDirect3DTexture9 : public IDirect3DBaseTexture9 {
  public:
    virtual HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) = 0;
    virtual HRESULT LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect,
                             DWORD flags) = 0;
    virtual HRESULT UnlockRect(UINT level) = 0;
};

class IDirect3DSurface9 : public IDirect3DResource9 {
  public:
    virtual HRESULT LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) = 0;
    virtual HRESULT UnlockRect() = 0;
};

class IDirect3DVertexBuffer9 : public IDirect3DResource9 {
  public:
    virtual HRESULT Lock(UINT offsetToLock, UINT sizeToLock, void** data, DWORD flags) = 0;
    virtual HRESULT Unlock() = 0;
};

class IDirect3DIndexBuffer9 : public IDirect3DResource9 {
  public:
    virtual HRESULT Lock(UINT offsetToLock, UINT sizeToLock, void** data, DWORD flags) = 0;
    virtual HRESULT Unlock() = 0;
};

class IDirect3DDevice9 : public IUnknown {
  public:
    virtual HRESULT TestCooperativeLevel() = 0;
    virtual HRESULT GetDeviceCaps(D3DCAPS9* caps) = 0;
    virtual HRESULT Reset(D3DPRESENT_PARAMETERS* presentationParameters) = 0;
    virtual HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                            const RGNDATA* dirtyRegion) = 0;
    virtual HRESULT GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                                  IDirect3DSurface9** surface) = 0;
    virtual HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage,
                                  D3DFORMAT format, D3DPOOL pool, IDirect3DTexture9** texture,
                                  HANDLE* sharedHandle) = 0;
    virtual HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                       IDirect3DVertexBuffer9** vertexBuffer,
                                       HANDLE* sharedHandle) = 0;
    virtual HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                      IDirect3DIndexBuffer9** indexBuffer,
                                      HANDLE* sharedHandle) = 0;
    virtual HRESULT GetRenderTargetData(IDirect3DSurface9* renderTarget,
                                        IDirect3DSurface9* destSurface) = 0;
    virtual HRESULT CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format,
                                                D3DPOOL pool, IDirect3DSurface9** surface,
                                                HANDLE* sharedHandle) = 0;
    virtual HRESULT BeginScene() = 0;
    virtual HRESULT EndScene() = 0;
    virtual HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                          DWORD stencil) = 0;
    virtual HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) = 0;
    virtual HRESULT SetMaterial(const D3DMATERIAL9* material) = 0;
    virtual HRESULT SetLight(DWORD index, const D3DLIGHT9* light) = 0;
    virtual HRESULT LightEnable(DWORD index, BOOL enable) = 0;
    virtual HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) = 0;
    virtual HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) = 0;
    virtual HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) = 0;
    virtual HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, INT baseVertexIndex,
                                         UINT minVertexIndex, UINT numVertices, UINT startIndex,
                                         UINT primitiveCount) = 0;
    virtual HRESULT SetFVF(DWORD fvf) = 0;
    virtual HRESULT SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer9* streamData,
                                    UINT offsetInBytes, UINT stride) = 0;
    virtual HRESULT SetIndices(IDirect3DIndexBuffer9* indexData) = 0;
};

class IDirect3D9 : public IUnknown {
  public:
    virtual HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                                 DWORD behaviorFlags, D3DPRESENT_PARAMETERS* presentationParameters,
                                 IDirect3DDevice9** returnedDeviceInterface) = 0;
};

typedef IDirect3D9* LPDIRECT3D9;
typedef IDirect3DDevice9* LPDIRECT3DDEVICE9;
typedef IDirect3DVertexBuffer9* LPDIRECT3DVERTEXBUFFER9;
typedef IDirect3DIndexBuffer9* LPDIRECT3DINDEXBUFFER9;
typedef IDirect3DTexture9* LPDIRECT3DTEXTURE9;

extern "C" IDirect3D9* WINAPI Direct3DCreate9(UINT sdkVersion);
