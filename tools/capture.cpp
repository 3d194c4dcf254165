// <program>-capture: runs the program's own start-up and frame code on a window whose client
// area has the requested size, and either writes frame N as an RGB PNG or measures how fast
// frames are drawn and presented, without waiting for the retrace unless asked to. Uses only
// Win32, Direct3D 9 and the C++ standard library, so it builds against the platform and against
// the stand-in. Built with DRAWS_OPTION, for a scene that draws a chosen number of objects, it
// also takes --draws N.
#include <windows.h>
#include <d3d9.h>

#include "back_buffer.h"
#include "capture_usage.h"
#include "command_line_counts.h"
#include "direct3d_setup.h"
#include "device_recovery.h"
#include "frame.h"
#include "frame_calls.h"
#include "main_loop.h"
#include "png_file.h"
#include "program.h"
#include "scene_setup.h"
#include "window.h"
#ifdef DRAWS_OPTION
#include "draw_count.h"
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

const int EXIT_BAD_ARGUMENTS = 2;
const long LARGEST_SIDE = 8192;
// Ten million frames take hours at the fastest frame rates seen here; larger counts are typing
// mistakes.
const long LARGEST_COUNT = 10000000;
const int WARM_UP_FRAMES = 30;
const DWORD LOST_DEVICE_POLL_MS = 100;

struct Options {
    long frame = 1;
    long bench = 0;
    long width = 640;
    long height = 480;
    bool paced = false;
    // A picture goes to frame.png unless named; a benchmark writes its last frame only when named.
    std::string out = "frame.png";
    bool outGiven = false;
    std::string textures;
    // Where the frame's Direct3D 9 calls are recorded, and the pictures after its clears and
    // draws; "" for none.
    std::string calls;
    std::string callPictures;
};

// Fills options from the command line; on a mistake returns false with a message.
bool ParseOptions(int argc, char** argv, Options* options, std::string* error) {
    bool frameGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--paced") {
            options->paced = true;
            continue;
        }
        bool known = option == "--frame" || option == "--bench" || option == "--size" ||
                     option == "--out" || option == "--textures" ||
                     (FrameCallsRecorded() && (option == "--calls" || option == "--call-pictures"));
#ifdef DRAWS_OPTION
        known = known || option == "--draws";
#endif
        if (!known) {
            *error = "unknown option: " + option;
            return false;
        }
        if (i + 1 >= argc) {
            *error = "missing value for " + option;
            return false;
        }
        const char* value = argv[++i];
        bool valid = true;
        if (option == "--frame") {
            valid = ParseCount(value, LARGEST_COUNT, &options->frame);
            frameGiven = true;
        } else if (option == "--bench") {
            valid = ParseCount(value, LARGEST_COUNT, &options->bench);
        } else if (option == "--size") {
            valid = ParseSize(value, LARGEST_SIDE, &options->width, &options->height);
#ifdef DRAWS_OPTION
        } else if (option == "--draws") {
            if (!ParseCount(value, LARGEST_DRAW_COUNT, &g_drawCount)) {
                *error = "bad value for --draws: \"" + std::string(value) +
                         "\" (draws are whole numbers from 1 to " +
                         std::to_string(LARGEST_DRAW_COUNT) + " in digits alone)";
                return false;
            }
#endif
        } else if (option == "--out") {
            options->out = value;
            options->outGiven = true;
        } else if (option == "--calls") {
            options->calls = value;
            valid = !options->calls.empty();
        } else if (option == "--call-pictures") {
            options->callPictures = value;
            valid = !options->callPictures.empty();
        } else {
            options->textures = value;
        }
        if (!valid) {
            *error = "bad value for " + option + ": \"" + value +
                     "\" (counts are whole numbers from 1 to 10000000 in digits alone, sizes WxH"
                     " from 1x1 to 8192x8192)";
            return false;
        }
    }
    if (options->bench != 0 && frameGiven) {
        *error = "--bench takes no --frame";
        return false;
    }
    if (options->bench == 0 && options->paced) {
        *error = "--paced goes with --bench only";
        return false;
    }
    if (options->bench != 0 && !options->calls.empty()) {
        *error = "--bench takes no --calls: recording would slow what it measures";
        return false;
    }
    if (options->calls.empty() && !options->callPictures.empty()) {
        *error = "--call-pictures goes with --calls only";
        return false;
    }
    return true;
}

// A window of the program's title whose client area is width x height.
HWND OpenCaptureWindow(long width, long height) {
    HINSTANCE instance = GetModuleHandleA(NULL);
    RegisterWindowClass(instance);
    RECT frame = {0, 0, (LONG)width, (LONG)height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window =
        CreateProgramWindow(instance, 0, 0, frame.right - frame.left, frame.bottom - frame.top);
    if (window != NULL) {
        ShowWindow(window, SW_SHOWNORMAL);
    }
    return window;
}

// Handles the queued messages as the main loop does, Escape aside; false at once on WM_QUIT,
// which the window's closing leads to.
bool PumpMessages() {
    MSG msg;
    while (HandleNextMessage(&msg)) {
        if (msg.message == WM_QUIT) {
            return false;
        }
    }
    return true;
}

// Reads the back buffer as a program on the platform would, as RGB rows. The read-back waits
// until everything asked of the device so far has been drawn.
bool ReadFrame(IDirect3DDevice9* device, std::vector<unsigned char>* rgb) {
    if (!ReadBackBuffer(device, g_presentParameters.BackBufferWidth,
                        g_presentParameters.BackBufferHeight, rgb)) {
        std::fprintf(stderr, "capture: could not read the back buffer\n");
        return false;
    }
    return true;
}

// Presents what was drawn as RenderFrame does, noting a lost device for the next frame.
void PresentFrame() {
    if (g_device->Present(NULL, NULL, NULL, NULL) == D3DERR_DEVICELOST) {
        g_deviceLost = true;
    }
}

// Writes a frame read back by ReadFrame as an RGB PNG.
bool WritePicture(const std::vector<unsigned char>& rgb, const std::string& path) {
    std::string why;
    if (!WritePng(path, rgb, (int)g_presentParameters.BackBufferWidth,
                  (int)g_presentParameters.BackBufferHeight, &why)) {
        std::fprintf(stderr, "capture: could not write %s: %s\n", path.c_str(), why.c_str());
        return false;
    }
    return true;
}

// Handles messages and renders count frames; false, having said so, once the window is closed.
bool RenderFrames(long count) {
    for (long i = 0; i < count; ++i) {
        if (!PumpMessages()) {
            std::fprintf(stderr, "capture: the window was closed\n");
            return false;
        }
        RenderFrame();
    }
    return true;
}

// Writes frame N; with calls, also records its Direct3D 9 calls, from the last frame's Present
// to its own (frame 1's recording began with the device), while the tool reads the frame back from
// the device itself, unrecorded.
int CaptureFrame(const Options& options) {
    if (!RenderFrames(options.frame - 1)) {
        return EXIT_FAILURE;
    }
    const bool recording = !options.calls.empty();
    if (recording && options.frame > 1 && !StartFrameCalls(&g_device, options.callPictures)) {
        return EXIT_FAILURE;
    }
    DrawFrame();
    std::vector<unsigned char> rgb;
    bool written = ReadFrame(UnrecordedDevice(g_device), &rgb) && WritePicture(rgb, options.out);
    PresentFrame();
    if (recording) {
        written = FinishFrameCalls(&g_device, options.calls) && written;
    }
    return written ? EXIT_SUCCESS : EXIT_FAILURE;
}

// Milliseconds from the process's creation to now, by the system's clock.
double MillisecondsSinceProcessStart() {
    FILETIME creation;
    FILETIME exitTime;
    FILETIME kernel;
    FILETIME user;
    FILETIME now;
    if (!GetProcessTimes(GetCurrentProcess(), &creation, &exitTime, &kernel, &user)) {
        return -1.0;
    }
    GetSystemTimeAsFileTime(&now);
    const unsigned long long start =
        (unsigned long long)creation.dwHighDateTime << 32 | creation.dwLowDateTime;
    const unsigned long long end = (unsigned long long)now.dwHighDateTime << 32 | now.dwLowDateTime;
    return (double)(end - start) / 10000.0;
}

// Frames are read back before they are presented, and benchmarks measure drawing, so neither
// waits for the retrace unless a paced benchmark asks for the default interval (at most one
// present a retrace). A device lost meanwhile (the screen locked) is reset once it can be, as
// the programs do, while the window still answers.
bool PresentAt(UINT interval) {
    g_presentParameters.PresentationInterval = interval;
    HRESULT result = ResetDevice();
    while (result == D3DERR_DEVICELOST) {
        if (!PumpMessages()) {
            std::fprintf(stderr, "capture: the window was closed\n");
            return false;
        }
        Sleep(LOST_DEVICE_POLL_MS);
        result = ResetDevice();
    }
    if (FAILED(result)) {
        std::fprintf(stderr, "capture: the device would not reset for its present interval\n");
        return false;
    }
    return true;
}

// Frames 1 to 30 are unmeasured, then frames counts them: 31 to 30 + frames. The first and the
// last frame are read back before their clocks stop, so only frames drawn are counted (a host
// that presents without waiting for the drawing would otherwise count frames merely asked for).
// The last frame is written as a PNG when out names a file.
int RunBenchmark(long frames, const std::string& out) {
    std::vector<unsigned char> rgb;
    DrawFrame();
    if (!ReadFrame(g_device, &rgb)) {
        return EXIT_FAILURE;
    }
    const double firstFrameMs = MillisecondsSinceProcessStart();
    PresentFrame();
    if (!RenderFrames(WARM_UP_FRAMES - 1)) {
        return EXIT_FAILURE;
    }
    const std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    if (!RenderFrames(frames - 1)) {
        return EXIT_FAILURE;
    }
    DrawFrame();
    if (!ReadFrame(g_device, &rgb)) {
        return EXIT_FAILURE;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    PresentFrame();
    if (!out.empty() && !WritePicture(rgb, out)) {
        return EXIT_FAILURE;
    }
    std::printf("frames=%ld seconds=%.3f fps=%.1f first_frame_ms=%.1f\n", frames, elapsed.count(),
                (double)frames / elapsed.count(), firstFrameMs);
    return EXIT_SUCCESS;
}

// Makes path absolute; false, having said so, when it names nothing or cannot be.
bool ResolvePath(const char* tool, const char* what, std::string* path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(*path, error);
    if (path->empty() || error) {
        std::fprintf(stderr, "%s: cannot write %s to \"%s\": %s\n", tool, what, path->c_str(),
                     path->empty() ? "no file named" : error.message().c_str());
        return false;
    }
    *path = absolute.string();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const int answered = AnswerHelpOrVersion(argc, argv);
    if (answered >= 0) {
        return answered;
    }
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, &options, &error)) {
        PrintUsageHint(argv[0], error.c_str());
        return EXIT_BAD_ARGUMENTS;
    }
    // The output paths are the caller's: resolve them before the working directory changes. A
    // benchmark without a picture writes nothing and needs none.
    if (((options.bench == 0 || options.outGiven) &&
         !ResolvePath(argv[0], "the picture", &options.out)) ||
        (!options.calls.empty() && !ResolvePath(argv[0], "the calls", &options.calls)) ||
        (!options.callPictures.empty() &&
         !ResolvePath(argv[0], "the calls' pictures", &options.callPictures))) {
        return EXIT_FAILURE;
    }
    if (options.textures.empty()) {
        PrepareProgram();
    } else if (!SetCurrentDirectoryA(options.textures.c_str())) {
        std::fprintf(stderr, "%s: cannot enter the texture folder %s\n", argv[0],
                     options.textures.c_str());
        return EXIT_BAD_ARGUMENTS;
    }
    HWND window = OpenCaptureWindow(options.width, options.height);
    if (window == NULL) {
        std::fprintf(stderr, "%s: could not open a window\n", argv[0]);
        return EXIT_FAILURE;
    }
    // Frame 1 holds the calls that set the scene up: its recording starts with the device.
    if (!options.calls.empty() && options.frame == 1 &&
        !StartFrameCalls(nullptr, options.callPictures)) {
        return EXIT_FAILURE;
    }
    SetUpScene(window);
    int result = EXIT_FAILURE;
    if (PresentAt(options.paced ? D3DPRESENT_INTERVAL_DEFAULT : D3DPRESENT_INTERVAL_IMMEDIATE)) {
        result = options.bench != 0
                     ? RunBenchmark(options.bench, options.outGiven ? options.out : std::string())
                     : CaptureFrame(options);
    }
    CleanDirect3D();
    DestroyWindow(window);
    // What was written on standard output (the benchmark's line) must have got there.
    if (!CloseStandardOutput(argv[0])) {
        result = EXIT_FAILURE;
    }
    // exit(), not return: in the browser the frames above yielded to the page, and a return from
    // main after that reaches no one.
    std::exit(result);
}
