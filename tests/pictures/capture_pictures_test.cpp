// boxring-capture, run as a user would: its frames against the golden pictures and against
// what the lighting implies, its arguments, its benchmark line.
#include "picture.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

// llvmpipe draws the same frame bit for bit whatever its thread count; softpipe, another
// rasteriser, differs by at most 1 inside faces and by up to 195 on at most 80 edge pixels of
// a 640 x 480 frame. Allow twice that many edge pixels; a wrong light, a missing box or a
// half-pixel shift changes thousands.
const int TOLERANCE = 2;
const int EDGE_PIXEL_BUDGET = 160;

const Rgb BACKGROUND = {0, 0, 0x50};

struct Point {
    int x;
    int y;
};

struct CaptureRun {
    int exitCode;
    std::string output;
};

CaptureRun RunCapture(const std::string& arguments) {
    const std::string outputPath = std::string(OUTPUT_DIR) + "/capture-output.txt";
    const std::string command =
        std::string(CAPTURE_TOOL) + " " + arguments + " >" + outputPath + " 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream file(outputPath);
    std::stringstream output;
    output << file.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.str()};
}

Picture CaptureFrame(int frame, const std::string& size = "640x480") {
    const std::string path =
        std::string(OUTPUT_DIR) + "/frame" + std::to_string(frame) + "-" + size + ".png";
    const CaptureRun run =
        RunCapture("--frame " + std::to_string(frame) + " --size " + size + " --out " + path);
    EXPECT_EQ(0, run.exitCode) << run.output;
    Picture picture;
    EXPECT_TRUE(LoadPng(path, &picture)) << path;
    return picture;
}

void ExpectGolden(int frame) {
    const Picture actual = CaptureFrame(frame);
    Picture expected;
    const std::string golden =
        std::string(GOLDEN_DIR) + "/boxring-frame" + std::to_string(frame) + ".png";
    ASSERT_TRUE(LoadPng(golden, &expected)) << golden;
    EXPECT_TRUE(PicturesAgree(actual, expected, TOLERANCE, EDGE_PIXEL_BUDGET,
                              std::string(OUTPUT_DIR) + "/boxring-frame" + std::to_string(frame) +
                                  "-actual-expected.png"));
}

} // namespace

TEST(CapturePictures, Frame1MatchesGolden) {
    ExpectGolden(1);
}
TEST(CapturePictures, Frame100MatchesGolden) {
    ExpectGolden(100);
}
TEST(CapturePictures, Frame1000MatchesGolden) {
    ExpectGolden(1000);
}

// The background is the clear colour exactly, and faces the light cannot reach show 0.2 x their
// material: in frame 1 the -X face of box 4 (1, 0.5, 0) shows above box 5; in frame 1000 the +Z
// face of box 7 (1, 0.875, 0) faces the camera from below the ring.
TEST(CapturePictures, FramesShowWhatTheLightImplies) {
    const Picture first = CaptureFrame(1);
    for (const Point corner : {Point{0, 0}, Point{639, 0}, Point{0, 479}, Point{639, 479}}) {
        EXPECT_TRUE(PixelNear(first, corner.x, corner.y, BACKGROUND, 0));
    }
    EXPECT_TRUE(PixelNear(first, 480, 186, {51, 26, 0}, 1));
    const Picture thousandth = CaptureFrame(1000);
    EXPECT_TRUE(PixelNear(thousandth, 368, 359, {51, 45, 0}, 1));
    EXPECT_TRUE(PixelNear(thousandth, 320, 240, BACKGROUND, 0));
}

TEST(CapturePictures, SizeSetsTheBackBuffer) {
    const Picture picture = CaptureFrame(1, "320x200");
    EXPECT_EQ(320, picture.width);
    EXPECT_EQ(200, picture.height);
    EXPECT_TRUE(PixelNear(picture, 0, 0, BACKGROUND, 0));
}

// The output path is the caller's even when the texture folder becomes the working directory.
TEST(CaptureArguments, RelativeOutputStaysInTheCallersFolder) {
    const std::string name = "relative-output.png";
    std::remove((std::string(OUTPUT_DIR) + "/" + name).c_str());
    const std::string command = std::string("cd ") + OUTPUT_DIR + " && " + CAPTURE_TOOL +
                                " --size 32x24 --textures " + GOLDEN_DIR + " --out " + name +
                                " 2>/dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    Picture picture;
    EXPECT_TRUE(LoadPng(std::string(OUTPUT_DIR) + "/" + name, &picture));
    EXPECT_FALSE(LoadPng(std::string(GOLDEN_DIR) + "/" + name, &picture));
}

TEST(CaptureArguments, BadArgumentsExitWith2AndSayWhy) {
    for (const char* arguments :
         {"--frame 0", "--frame -3", "--frame x", "--bench 0", "--size 640", "--size 0x480",
          "--size 8193x10", "--size 64x48x2", "--frame", "--colour red", "--bench 5 --frame 2",
          "--textures /nonexistent-folder"}) {
        const CaptureRun run = RunCapture(arguments);
        EXPECT_EQ(2, run.exitCode) << arguments;
        EXPECT_NE(std::string::npos, run.output.find("boxring-capture")) << arguments;
    }
}

TEST(CaptureArguments, BenchmarkPrintsOneLine) {
    const CaptureRun run = RunCapture("--bench 5 --size 64x48");
    ASSERT_EQ(0, run.exitCode) << run.output;
    const std::regex line("frames=5 seconds=[0-9.]+ fps=[0-9.]+ first_frame_ms=[0-9.]+\n");
    std::string printed;
    std::istringstream lines(run.output);
    for (std::string text; std::getline(lines, text);) {
        if (text.rfind("frames=", 0) == 0) {
            printed += text + "\n";
        }
    }
    EXPECT_TRUE(std::regex_match(printed, line)) << run.output;
}
