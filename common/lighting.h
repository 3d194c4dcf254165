// One white directional light with specular highlights, and the material of what is drawn next.
#pragma once

// Turns lighting on and sets up and enables light 0, with specular highlights.
void InitLight();

// Makes (r, g, b) the diffuse and ambient colour of what is drawn next, with white highlights.
void SetMaterialColor(float r, float g, float b);
