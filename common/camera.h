// The fixed camera and projection, and the frame-counted spin that tumbles each scene.
#pragma once

#include <windows.h>
#include <d3dx9.h>

// The spin angle in radians; the only animated value.
extern float g_angle;

// Vertical field of view pi/4, aspect 4/3 whatever the window measures, planes at 1 and 100.
D3DXMATRIX ComputeProjectionMatrix();

// Eye at (0, 2, 11) looking at (0, -0.2, 0), Y up.
D3DXMATRIX ComputeViewMatrix();

// Advances g_angle by one step and returns the spin matrix RotationX(g_angle / 11) *
// RotationY(g_angle).
D3DXMATRIX AdvanceSpin();
