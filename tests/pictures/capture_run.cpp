// Runs the program's capture tool as a user would and compares its frames with the goldens.
// Compiled into each capture test with CAPTURE_TOOL, PROGRAM, GOLDEN_DIR and OUTPUT_DIR defined.
#include "capture_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The goldens are llvmpipe's frames, which it draws bit for bit alike whatever its thread count.
// Rounding may move a channel by a level or two and a pixel on a polygon's edge further; a wrong
// light, a missing box or a half-pixel shift changes thousands of pixels. (Another rasteriser,
// softpipe, draws boxring within these bounds but picks other mip levels for texcross's faces.)
const int TOLERANCE = 2;
const int EDGE_PIXEL_BUDGET = 160;

} // namespace

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

Picture CaptureFrame(int frame, const std::string& size) {
    const std::string path = std::string(OUTPUT_DIR) + "/" + PROGRAM + "-frame" +
                             std::to_string(frame) + "-" + size + ".png";
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
    const std::string name = std::string(PROGRAM) + "-frame" + std::to_string(frame);
    const std::string golden = std::string(GOLDEN_DIR) + "/" + name + ".png";
    ASSERT_TRUE(LoadPng(golden, &expected)) << golden;
    EXPECT_TRUE(PicturesAgree(actual, expected, TOLERANCE, EDGE_PIXEL_BUDGET,
                              std::string(OUTPUT_DIR) + "/" + name + "-actual-expected.png"));
}
