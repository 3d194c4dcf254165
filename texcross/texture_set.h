// The five images the cubes wear, loaded from JPEG files beside the executable.
#pragma once

#include <windows.h>
#include <d3d9.h>

const int TEXTURE_COUNT = 5;

extern const char* const g_textureFiles[TEXTURE_COUNT];
extern IDirect3DTexture9* g_textures[TEXTURE_COUNT];

// False once the executable's folder could not be made the working directory.
extern bool g_imageFolderEntered;

// Makes the executable's folder the working directory, so the images are found wherever the
// program is started from. Where its path is too long for MAX_PATH, cannot be read, or the change
// fails, clears g_imageFolderEntered.
void SetWorkingDirectoryToExe();

// Loads the five textures in order. The first that cannot be loaded ends the program with a
// message owned by the window; so does a folder that could not be entered, before any is loaded:
// images from wherever the program was started are not its own.
void LoadTextures(HWND window);

// Linear filtering within and between mip levels on sampler 0.
void SetTextureFilters();

// Releases the five textures, first to last.
void ReleaseTextures();
