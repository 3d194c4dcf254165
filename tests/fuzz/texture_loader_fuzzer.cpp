// libFuzzer target for the texture loader, as texcross meets it: each input's bytes are written to
// a file and D3DXCreateTextureFromFileA loads that file on a real device of the stand-in, made
// once on a hidden window of the X display. Every input must end in a texture or in one of the
// loader's failure results; anything else aborts, and a crash, a hang or an oversized allocation
// is a finding of the fuzzer itself.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include "hidden_device.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

IDirect3DDevice9* g_fuzzDevice = nullptr;
std::string g_inputPath;

void Die(const char* what) {
    std::fprintf(stderr, "texture_loader_fuzzer: %s\n", what);
    std::exit(1);
}

// A hidden window with a windowed device on it and a small back buffer.
void OpenDevice() {
    const char* failure = nullptr;
    g_fuzzDevice = CreateHiddenDevice(100, 100, &failure);
    if (g_fuzzDevice == nullptr) {
        Die(failure);
    }
}

void RemoveInputFile() {
    unlink(g_inputPath.c_str());
}

// The file every input is written to, in TMPDIR, removed when the fuzzer exits.
void MakeInputFile() {
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder != nullptr ? folder : "/tmp") + "/fuzz-XXXXXX.jpg";
    const int descriptor = mkstemps(&pattern[0], 4);
    if (descriptor < 0) {
        Die("cannot make the input file");
    }
    close(descriptor);
    g_inputPath = pattern;
    std::atexit(RemoveInputFile);
}

bool IsFailureResult(HRESULT result) {
    return result == D3DXERR_INVALIDDATA || result == D3DERR_NOTAVAILABLE ||
           result == E_OUTOFMEMORY;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    OpenDevice();
    MakeInputFile();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(g_inputPath.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        Die("cannot write the input file");
    }
    IDirect3DTexture9* texture = nullptr;
    const HRESULT result = D3DXCreateTextureFromFileA(g_fuzzDevice, g_inputPath.c_str(), &texture);
    if (result == D3D_OK && texture != nullptr) {
        texture->Release();
    } else if (!IsFailureResult(result) || texture != nullptr) {
        std::fprintf(stderr, "texture_loader_fuzzer: result 0x%08X, texture %p\n", (unsigned)result,
                     (void*)texture);
        std::abort();
    }
    return 0;
}
