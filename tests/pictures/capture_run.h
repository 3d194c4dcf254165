// The program's capture tool, run as a user would: its output, its frames, the goldens.
#pragma once

#include "picture.h"

#include <string>

struct CaptureRun {
    int exitCode;
    std::string output;
};

// Runs the capture tool with the arguments; returns its exit code and all it printed.
CaptureRun RunCapture(const std::string& arguments);

// Frame N at the size (WxH), as the capture tool writes it.
Picture CaptureFrame(int frame, const std::string& size = "640x480");

// Frame N at 640 x 480 agrees with the golden picture of that frame.
void ExpectGolden(int frame);
