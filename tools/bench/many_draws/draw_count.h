// How many cubes the many-draws scene draws a frame, set from the command line before start-up.
#pragma once

// Draws a frame: 1 to LARGEST_DRAW_COUNT. A million draws take seconds a frame on the fastest
// hosts seen here; larger counts are typing mistakes.
extern long g_drawCount;
const long LARGEST_DRAW_COUNT = 1000000;
