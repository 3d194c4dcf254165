// What happens to the process's windows on the host, turned into window messages.
#pragma once

// Reads every pending SDL event and posts the messages they mean: WM_CLOSE when a window's close
// button is pressed (and to every window when the host asks the process to quit), WM_SIZE when a
// window is resized, minimised or restored. Does nothing before the first window exists.
void PostHostEvents();
