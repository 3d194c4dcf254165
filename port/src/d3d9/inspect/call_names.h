// Direct3D 9 values written as the platform's documentation writes them, for the frame recorder:
// constants by their names (each name made from the constant's own token), flags joined with
// " | ", colours as 0xAARRGGBB, and a value no name fits as a number.
#pragma once

#include <d3d9.h>

#include <string>

std::string RenderStateName(D3DRENDERSTATETYPE state);
// The value as the state's family names it: TRUE, D3DCULL_NONE, 0xff406080.
std::string RenderStateValueName(D3DRENDERSTATETYPE state, DWORD value);
std::string TransformStateName(D3DTRANSFORMSTATETYPE state);
std::string SamplerStateName(D3DSAMPLERSTATETYPE type);
std::string TextureFilterName(DWORD filter);
std::string PrimitiveTypeName(D3DPRIMITIVETYPE type);
std::string ClearFlagsName(DWORD flags);
std::string VertexFormatName(DWORD fvf);
std::string LightTypeName(D3DLIGHTTYPE type);
std::string FormatName(D3DFORMAT format);
std::string PoolName(D3DPOOL pool);
std::string ResultName(HRESULT result);
std::string BooleanName(BOOL value);
std::string ColourName(D3DCOLOR colour);
// Shortest text that reads back as the same float: "0.5", "-1.25e-07".
std::string FloatName(float value);
