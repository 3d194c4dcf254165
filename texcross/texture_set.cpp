#include "texture_set.h"

#include "direct3d_setup.h"
#include "failure.h"

#include <d3dx9.h>
#include <stdlib.h>
#include <string.h>

const char* const g_textureFiles[TEXTURE_COUNT] = {"tex0.jpg", "tex1.jpg", "tex2.jpg", "tex3.jpg",
                                                   "tex4.jpg"};
IDirect3DTexture9* g_textures[TEXTURE_COUNT];
bool g_imageFolderEntered = true;

namespace {

// "Błąd ładowania tekstury!", given as UTF-16 so every system shows it as written.
const WCHAR LOAD_FAILED_TEXT[] = L"B\u0142\u0105d \u0142adowania tekstury!";

} // namespace

void SetWorkingDirectoryToExe() {
    char* programPath = NULL;
    _get_pgmptr(&programPath);
    char buffer[MAX_PATH];
    char* lastBackslash = NULL;
    if (programPath != NULL && strlen(programPath) < MAX_PATH) {
        strcpy_s(buffer, MAX_PATH, programPath);
        lastBackslash = strrchr(buffer, '\\');
    }
    if (lastBackslash == NULL) {
        g_imageFolderEntered = false;
        return;
    }
    // A root folder keeps its separator: "C:" alone names the drive's current folder, not its root.
    if (lastBackslash == buffer || lastBackslash[-1] == ':') {
        lastBackslash[1] = '\0';
    } else {
        lastBackslash[0] = '\0';
    }
    g_imageFolderEntered = SetCurrentDirectoryA(buffer) != FALSE;
}

void LoadTextures(HWND window) {
    if (!g_imageFolderEntered) {
        ExitWithMessage(window, LOAD_FAILED_TEXT);
    }
    for (int k = 0; k < TEXTURE_COUNT; ++k) {
        if (D3DXCreateTextureFromFileA(g_device, g_textureFiles[k], &g_textures[k]) != D3D_OK) {
            ExitWithMessage(window, LOAD_FAILED_TEXT);
        }
    }
    SetTextureFilters();
}

void SetTextureFilters() {
    g_device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    g_device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    g_device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
}

void ReleaseTextures() {
    for (int k = 0; k < TEXTURE_COUNT; ++k) {
        g_textures[k]->Release();
    }
}
