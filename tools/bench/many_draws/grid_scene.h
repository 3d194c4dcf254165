// g_drawCount small cubes on a square grid facing the camera, each drawn on its own with its own
// world matrix and one of four materials, specular highlights switched on and off every 16 draws.
#pragma once

#include <windows.h>

// Computes each cube's place and size on the grid for g_drawCount cubes. Without the memory for
// them, says so in a box owned by the window and ends the process with exit code 1.
void PlaceCubes(HWND window);

// Takes the specular colour from the material, which the scene's materials set, and has the
// normals of the scaled cubes normalised, so that they light as unscaled ones do.
void SetGridStates();
