// A window whose procedure records every message it receives and, like the programs' own, answers
// WM_DESTROY with PostQuitMessage.
#pragma once

#include <windows.h>

#include <vector>

extern std::vector<UINT> g_receivedMessages;
extern int g_quitCodeOnDestroy;

// Opens a hidden 640 x 480 window at (100, 100) of the recording class.
HWND OpenRecordingWindow();

// Takes every waiting message off the queue, WM_QUIT included, dispatching each; returns their
// numbers in order.
std::vector<UINT> DrainMessages();
