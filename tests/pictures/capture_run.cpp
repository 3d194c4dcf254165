// Runs the program's capture tool as a user would and compares its frames with the goldens.
// Compiled into each capture test with CAPTURE_TOOL, PROGRAM, GOLDEN_DIR and OUTPUT_DIR defined.
#include "capture_run.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// llvmpipe draws the same frame bit for bit whatever its thread count; softpipe, another
// rasteriser, differs by at most 1 inside faces and by up to 195 on at most 80 edge pixels of
// a 640 x 480 frame. Allow twice that many edge pixels; a wrong light, a missing box or a
// half-pixel shift changes thousands.
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
