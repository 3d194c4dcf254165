// stb's image decoder (JPEG only, from memory) and resizer, compiled from Debian's headers where
// the system's stb library cannot be linked (the browser build).
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb/stb_image_resize.h>
