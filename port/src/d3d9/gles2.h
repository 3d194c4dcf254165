// OpenGL ES 2.0: the only OpenGL the device, its resources and its pipeline call, on every host.
// Compiling them against the ES 2.0 header keeps them to what WebGL 1 and OpenGL ES 2.0 offer. On
// the desktop the same functions come from libGL, in an OpenGL 2.1 context with framebuffer
// objects (the desktop host's context checks for them).
#pragma once

#include <GLES2/gl2.h>
