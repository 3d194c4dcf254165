// boxring-capture, run as a user would: its frames against the golden pictures and against
// what the lighting implies, its arguments, its benchmark line.
#include "../support/reference_math.h"
#include "capture_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>

namespace {

const Rgb BACKGROUND = {0, 0, 0x50};

struct Point {
    int x;
    int y;
};

} // namespace

TEST(BoxringPictures, Frame1MatchesGolden) {
    ExpectGolden(1);
}
TEST(BoxringPictures, Frame100MatchesGolden) {
    ExpectGolden(100);
}
TEST(BoxringPictures, Frame1000MatchesGolden) {
    ExpectGolden(1000);
}

// The background is the clear colour exactly, and faces the light cannot reach show 0.2 x their
// material: in frame 1 the -X face of box 4 (1, 0.5, 0) shows above box 5; in frame 1000 the +Z
// face of box 7 (1, 0.875, 0) faces the camera from below the ring.
TEST(BoxringPictures, FramesShowWhatTheLightImplies) {
    const Picture first = CaptureFrame(1);
    for (const Point corner : {Point{0, 0}, Point{639, 0}, Point{0, 479}, Point{639, 479}}) {
        EXPECT_TRUE(PixelNear(first, corner.x, corner.y, BACKGROUND, 0));
    }
    EXPECT_TRUE(PixelNear(first, 480, 186, {51, 26, 0}, 1));
    const Picture thousandth = CaptureFrame(1000);
    EXPECT_TRUE(PixelNear(thousandth, 368, 359, {51, 45, 0}, 1));
    EXPECT_TRUE(PixelNear(thousandth, 320, 240, BACKGROUND, 0));
}

TEST(BoxringPictures, SizeSetsTheBackBuffer) {
    const Picture picture = CaptureFrame(1, "320x200");
    EXPECT_EQ(320, picture.width);
    EXPECT_EQ(200, picture.height);
    EXPECT_TRUE(PixelNear(picture, 0, 0, BACKGROUND, 0));
}

// The output path is the caller's even when the texture folder becomes the working directory.
TEST(BoxringCaptureArguments, RelativeOutputStaysInTheCallersFolder) {
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

TEST(BoxringCaptureArguments, BadArgumentsExitWith2AndSayWhy) {
    for (const char* arguments :
         {"--frame 0", "--frame -3", "--frame x", "--bench 0", "--size 640", "--size 0x480",
          "--size 8193x10", "--size 64x48x2", "--frame", "--colour red", "--bench 5 --frame 2",
          "--frame 10000001", "--bench 10000001", "--textures /nonexistent-folder", "--paced"}) {
        const CaptureRun run = RunCapture(arguments);
        EXPECT_EQ(2, run.exitCode) << arguments;
        EXPECT_NE(std::string::npos, run.output.find("boxring-capture")) << arguments;
    }
}

// A picture that cannot be written ends with a message and exit code 1, and leaves nothing under
// the name asked for nor beside it. A benchmark writes nothing, so a deleted folder is no matter.
TEST(BoxringCaptureArguments, PicturesThatCannotBeWrittenFailWithExitCode1) {
    const std::string tool = CAPTURE_TOOL;
    const std::string gone = std::string(OUTPUT_DIR) + "/deleted-folder";
    const std::string large = std::string(OUTPUT_DIR) + "/beyond-file-size-limit.png";
    const std::string fromGone =
        "mkdir -p " + gone + " && cd " + gone + " && rmdir " + gone + " && ";
    const std::string cases[] = {
        tool + " --size 32x24 --out ''",
        fromGone + tool + " --size 32x24",
        fromGone + tool + " --size 32x24 --out picture.png",
        tool + " --size 32x24 --out /dev/full",
        tool + " --size 32x24 --out /nonexistent-folder/picture.png",
        // The file system refuses writes past 1 KiB, as a full one would.
        "trap '' XFSZ; ulimit -f 2; " + tool + " --out " + large,
    };
    const std::string log = std::string(OUTPUT_DIR) + "/unwritable.txt";
    for (const std::string& command : cases) {
        std::remove(large.c_str());
        const int status = std::system((command + " >" + log + " 2>&1").c_str());
        std::ifstream file(log);
        const std::string output((std::istreambuf_iterator<char>(file)),
                                 std::istreambuf_iterator<char>());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command << "\n" << output;
        EXPECT_NE(std::string::npos, output.find("write")) << command << "\n" << output;
        EXPECT_NE(0, access(large.c_str(), F_OK)) << command;
        EXPECT_NE(0, access((large + ".partial").c_str(), F_OK)) << command;
    }
    EXPECT_EQ(0,
              std::system((fromGone + tool + " --bench 2 --size 32x24 >/dev/null 2>&1").c_str()));
}

TEST(BoxringCaptureArguments, BenchmarkPrintsOneLine) {
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

// The pictures of a recorded frame follow its draws: each of the eight draws changes some pixels,
// all inside the screen box of that cube's corners projected by the scene's matrices written out
// independently (box k turned k * pi/4 about Y from (4, 0, 0), then the spin of frame 3).
TEST(BoxringPictures, EachRecordedDrawChangesOnlyItsOwnBox) {
    char folder[] = "/tmp/boxring-calls-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    const std::string dir = folder;
    const CaptureRun run = RunCapture("--frame 3 --out " + dir + "/frame.png --calls " + dir +
                                      "/calls.txt --call-pictures " + dir);
    ASSERT_EQ(0, run.exitCode) << run.output;
    const Matrix viewProjection = Multiply(CameraView(), CameraProjection());
    Picture before;
    // Seven calls before the first box (the clears, the scene, the camera and the stream), then
    // four for each box, its draw the fourth.
    ASSERT_TRUE(LoadPng(dir + "/call-002.png", &before));
    for (int box = 0; box < 8; ++box) {
        Picture after;
        char name[32];
        std::snprintf(name, sizeof(name), "/call-%03d.png", 11 + 4 * box);
        ASSERT_TRUE(LoadPng(dir + name, &after)) << name;
        const Matrix world =
            Multiply(Multiply(Translation(4, 0, 0), RotationY(box * M_PI / 4.0)), SpinAfter(3));
        const Matrix all = Multiply(world, viewProjection);
        double left = 640, right = 0, top = 480, bottom = 0;
        for (int corner = 0; corner < 8; ++corner) {
            const double p[4] = {corner & 1 ? 1.0 : -1.0, corner & 2 ? 1.0 : -1.0,
                                 corner & 4 ? 1.0 : -1.0, 1.0};
            double clip[4] = {};
            for (int column = 0; column < 4; ++column) {
                for (int k = 0; k < 4; ++k) {
                    clip[column] += p[k] * all.m[k][column];
                }
            }
            const double x = (clip[0] / clip[3] + 1.0) * 320.0;
            const double y = (1.0 - clip[1] / clip[3]) * 240.0;
            left = std::fmin(left, x);
            right = std::fmax(right, x);
            top = std::fmin(top, y);
            bottom = std::fmax(bottom, y);
        }
        int changed = 0;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                const size_t at = ((size_t)y * 640 + x) * 3;
                if (std::memcmp(&before.rgb[at], &after.rgb[at], 3) != 0) {
                    ++changed;
                    ASSERT_TRUE(x >= left - 1 && x <= right + 1 && y >= top - 1 && y <= bottom + 1)
                        << "box " << box << " changed (" << x << ", " << y << ")";
                }
            }
        }
        EXPECT_GT(changed, 0) << "box " << box;
        before = after;
    }
    Picture frame;
    ASSERT_TRUE(LoadPng(dir + "/frame.png", &frame));
    EXPECT_EQ(frame.rgb, before.rgb);
    std::filesystem::remove_all(dir);
}
