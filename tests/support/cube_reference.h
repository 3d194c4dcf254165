// The cube mesh as the device must receive it, written out as data independently of the code
// under test.
#pragma once

#include "recording_device.h"

#include <gtest/gtest.h>

// The device's vertex buffer holds the 24 vertices, each cut to its first stride / 4 columns
// (576 bytes for stride 24, 768 for 32), and its index buffer the 36 indices (72 bytes).
testing::AssertionResult BuffersHoldTheCube(const RecordingDevice& device, UINT stride);
