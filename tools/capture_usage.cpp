#include "capture_usage.h"

#include "frame_calls.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char USAGE[] =
#ifdef DRAWS_OPTION
    "usage: %s [--frame N] [--draws N] [--size WxH] [--out FILE.png] [--textures DIR]\n"
    "       %s --bench N [--draws N] [--paced] [--size WxH] [--out FILE.png] [--textures DIR]\n"
#else
    "usage: %s [--frame N] [--size WxH] [--out FILE.png] [--textures DIR]\n"
    "       %s --bench N [--paced] [--size WxH] [--out FILE.png] [--textures DIR]\n"
#endif
    "\n"
    "Runs the program's own start-up and frame code in a window whose client area is WxH and\n"
    "writes frame N as an RGB PNG, or draws N frames as fast as it can and prints the frame rate.\n"
    "\n"
    "  --frame N        the frame to write, 1 to 10000000 (default 1)\n"
    "  --out FILE.png   where to write it (default frame.png); with --bench, the last frame\n"
    "                   (frame N + 30), written only when asked\n"
    "  --bench N        draw N frames after 30 unmeasured ones and print frames/s and the\n"
    "                   milliseconds from process start to the first frame; 1 to 10000000.\n"
    "                   The first and the last frame are read back before their clocks stop\n"
    "  --paced          with --bench: present at most once a display refresh, not at once\n"
    "  --size WxH       the client area, 1x1 to 8192x8192 (default 640x480)\n"
#ifdef DRAWS_OPTION
    "  --draws N        cubes drawn a frame, each with its own draw, 1 to 1000000 (default 64)\n"
#endif
    "  --textures DIR   the folder images are loaded from (default the executable's folder)\n"
    "%s"
    "  -h, --help       print this and exit\n"
    "  --version        print the version and exit\n"
    "\n"
    "Exit codes: 0 done, 1 failed, 2 bad command line.\n";

// Only builds that can record a frame's calls take these.
const char CALLS_USAGE[] =
    "  --calls FILE     with --frame: also record frame N's Direct3D 9 calls, each with its\n"
    "                   effect and the OpenGL calls it became, as text, or as JSON when FILE\n"
    "                   ends in .json\n"
    "  --call-pictures DIR\n"
    "                   with --calls: write the picture after each clear and draw to DIR as\n"
    "                   call-NNN.png\n";

} // namespace

int AnswerHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(USAGE, argv[0], argv[0], FrameCallsRecorded() ? CALLS_USAGE : "");
            return CloseStandardOutput(argv[0]) ? 0 : 1;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", argv[0], PACKAGE_VERSION);
            return CloseStandardOutput(argv[0]) ? 0 : 1;
        }
    }
    return -1;
}

// A standard output that was never open fails only to close, and is no failure when nothing was
// written to it, as GNU's tools take it.
bool CloseStandardOutput(const char* tool) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int flushError = errno;
    errno = 0;
    const bool closed = std::fclose(stdout) == 0 || (flushed && errno == EBADF);
    if (flushed && closed) {
        return true;
    }
    const int error = flushed ? errno : flushError;
    std::fprintf(stderr, "%s: could not write to standard output: %s\n", tool,
                 error != 0 ? std::strerror(error) : "write error");
    return false;
}

void PrintUsageHint(const char* tool, const char* error) {
    std::fprintf(stderr, "%s: %s; see %s --help\n", tool, error, tool);
}
