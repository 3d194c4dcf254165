// The five images the cubes wear, loaded from JPEG files beside the executable.
#pragma once

#include <windows.h>
#include <d3d9.h>

const int TEXTURE_COUNT = 5;

extern const char* const g_textureFiles[TEXTURE_COUNT];
extern IDirect3DTexture9* g_textures[TEXTURE_COUNT];

// Makes the executable's folder the working directory, so the images are found wherever the
// program is started from.
void SetWorkingDirectoryToExe();

// Loads the five textures in order. The first that cannot be loaded ends the program with a
// message owned by the window.
void LoadTextures(HWND window);

// Linear filtering within and between mip levels on sampler 0.
void SetTextureFilters();

// Releases the five textures, first to last.
void ReleaseTextures();
