// OpenGL for the Direct3D stand-in: the 2.1 fixed-function API plus framebuffer objects, linked
// directly from the host's libGL. windows.h comes first so that its empty APIENTRY is the one the
// GL headers see.
#pragma once

#include <windows.h>

#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>
