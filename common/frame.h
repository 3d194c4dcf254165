// One frame: clear, draw the scene tumbled by the spin, present.
#pragma once

// Draws the frame into the back buffer without presenting it; advances the spin.
void DrawFrame();

// Draws the frame and presents it. While the device is lost it draws nothing and waits briefly,
// and resets the device as soon as that is possible.
void RenderFrame();

// Draws the whole cube mesh with the transform, material and texture bound now.
void DrawCube();
