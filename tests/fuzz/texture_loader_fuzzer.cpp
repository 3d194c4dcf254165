// libFuzzer target for the texture loader, as texcross meets it: each input's bytes are written to
// a file and D3DXCreateTextureFromFileA loads that file on a real device of the stand-in, made
// once on a hidden window of the X display. Every input must end in a texture or in one of the
// loader's failure results; anything else aborts, and a crash, a hang or an oversized allocation
// is a finding of the fuzzer itself.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char CLASS_NAME[] = "TextureLoaderFuzzer";

IDirect3D9* g_fuzzDirect3d = nullptr;
IDirect3DDevice9* g_fuzzDevice = nullptr;
std::string g_inputPath;

LRESULT CALLBACK FuzzWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

void Die(const char* what) {
    std::fprintf(stderr, "texture_loader_fuzzer: %s\n", what);
    std::exit(1);
}

// A window that is never shown, and a windowed device on it with a small back buffer.
void OpenDevice() {
    WNDCLASSEXA windowClass;
    std::memset(&windowClass, 0, sizeof(windowClass));
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = FuzzWindowProc;
    windowClass.hInstance = GetModuleHandleA(NULL);
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassExA(&windowClass);
    HWND window = CreateWindowExA(0, CLASS_NAME, "texture loader fuzzer", WS_OVERLAPPEDWINDOW, 0, 0,
                                  100, 100, NULL, NULL, windowClass.hInstance, NULL);
    if (window == NULL) {
        Die("no window (is DISPLAY set?)");
    }
    g_fuzzDirect3d = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS parameters;
    std::memset(&parameters, 0, sizeof(parameters));
    parameters.Windowed = TRUE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    if (g_fuzzDirect3d == NULL ||
        FAILED(g_fuzzDirect3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                            D3DCREATE_SOFTWARE_VERTEXPROCESSING, &parameters,
                                            &g_fuzzDevice))) {
        Die("no Direct3D device");
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
