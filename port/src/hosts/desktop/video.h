// SDL's video subsystem, started on first use.
#pragma once

// Starts SDL's video once; false, with the reason on stderr, when there is no usable display.
bool StartVideo();

// Whether SDL's video is running, so there may be host events to read.
bool VideoStarted();
