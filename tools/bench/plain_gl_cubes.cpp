// The scenes of boxring and texcross drawn with SDL2 and OpenGL 2.1 directly, the simplest way:
// one window of the same client size, the same light, materials and camera, client-side arrays,
// no swap interval. boxring's eight lit cubes by default; with --textured DIR texcross's five cubes
// in a plus sign, each with one of DIR/tex0.jpg ... tex4.jpg, mipmapped and filtered linearly;
// with --draws N many_draws-capture's grid of N cubes, each with its own matrix and one of four
// materials, the highlights switched every 16 draws. --size WxH sets the client area (640x480 by
// default, as the capture tools'). It prints the same line as <program>-capture --bench, so the
// two can be compared in one run.
#include "command_line_counts.h"
#include "process_start.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <cstddef>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const int WARM_UP_FRAMES = 30;
const int TEXTURE_COUNT = 5;
const long LARGEST_FRAMES = 10000000;
const long LARGEST_DRAWS = 1000000;
const long LARGEST_SIDE = 8192;
// The grid of many_draws-capture (tools/bench/many_draws/grid_scene.cpp).
const int MATERIAL_COUNT = 4;
const long SPECULAR_RUN = 16;
const float GRID_SPAN = 8.0f;
const float CUBE_SHARE = 0.6f;
const GLfloat MATERIAL_COLORS[MATERIAL_COUNT][4] = {
    {1.0f, 0.2f, 0.1f, 1}, {0.2f, 0.9f, 0.2f, 1}, {0.2f, 0.4f, 1.0f, 1}, {1.0f, 0.9f, 0.1f, 1}};

struct Options {
    long frames = 0;
    std::string textured;
    long draws = 0;
    // The capture tools' client area and back buffer by default, whose frame rates this one is
    // set against: both draw the same number of pixels.
    long width = 640;
    long height = 480;
};

bool ParseOptions(int argc, char** argv, Options* options) {
    if (argc < 2 || !ParseCount(argv[1], LARGEST_FRAMES, &options->frames)) {
        return false;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--textured" && !value.empty()) {
            options->textured = value;
        } else if (option == "--draws") {
            if (!ParseCount(value, LARGEST_DRAWS, &options->draws)) {
                return false;
            }
        } else if (option == "--size") {
            if (!ParseSize(value, LARGEST_SIDE, &options->width, &options->height)) {
                return false;
            }
        } else {
            return false;
        }
    }
    return argc % 2 == 0 && (options->textured.empty() || options->draws == 0);
}

// Four vertices per face (position, normal, texture coordinates) and two triangles each.
float g_vertices[24][8];
GLushort g_indices[36];

void BuildCube() {
    const float normals[6][3] = {{0, 0, 1},  {0, 0, -1}, {0, 1, 0},
                                 {0, -1, 0}, {1, 0, 0},  {-1, 0, 0}};
    for (int face = 0; face < 6; ++face) {
        const float* n = normals[face];
        // Two axes across the face.
        const float u[3] = {n[1] != 0 || n[2] != 0 ? 1.0f : 0.0f, n[0] != 0 ? 1.0f : 0.0f, 0};
        const float v[3] = {n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2],
                            n[0] * u[1] - n[1] * u[0]};
        for (int corner = 0; corner < 4; ++corner) {
            const float a = corner & 1 ? 1.0f : -1.0f;
            const float b = corner & 2 ? 1.0f : -1.0f;
            float* vertex = g_vertices[face * 4 + corner];
            for (int axis = 0; axis < 3; ++axis) {
                vertex[axis] = n[axis] + a * u[axis] + b * v[axis];
                vertex[3 + axis] = n[axis];
            }
            vertex[6] = (a + 1.0f) / 2.0f;
            vertex[7] = (b + 1.0f) / 2.0f;
        }
        const GLushort base = (GLushort)(face * 4);
        const GLushort triangles[6] = {base,
                                       (GLushort)(base + 1),
                                       (GLushort)(base + 2),
                                       (GLushort)(base + 2),
                                       (GLushort)(base + 1),
                                       (GLushort)(base + 3)};
        for (int i = 0; i < 6; ++i) {
            g_indices[face * 6 + i] = triangles[i];
        }
    }
}

// Milliseconds from the process's start, as the capture tools count them: the start in clock
// ticks since boot, against the time since boot now.
double MillisecondsSinceProcessStart() {
    uint64_t start = 0;
    timespec now;
    if (!ProcessStartSinceBoot(&start) || clock_gettime(CLOCK_BOOTTIME, &now) != 0) {
        return -1.0;
    }
    return (double)now.tv_sec * 1000.0 + (double)now.tv_nsec / 1e6 -
           (double)start * 1000.0 / (double)sysconf(_SC_CLK_TCK);
}

// A file that does not decode ends the program with the decoder's message.
void OnDecodeError(j_common_ptr decoder) {
    char message[JMSG_LENGTH_MAX];
    decoder->err->format_message(decoder, message);
    std::fprintf(stderr, "plain_gl_cubes: %s\n", message);
    std::exit(1);
}

// The RGB pixels of a JPEG file, rows top first; false with a message when it cannot be opened.
bool LoadJpeg(const std::string& path, std::vector<unsigned char>* rgb, int* width, int* height) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        std::fprintf(stderr, "plain_gl_cubes: cannot open %s\n", path.c_str());
        return false;
    }
    jpeg_decompress_struct decoder;
    jpeg_error_mgr errors;
    decoder.err = jpeg_std_error(&errors);
    errors.error_exit = OnDecodeError;
    jpeg_create_decompress(&decoder);
    jpeg_stdio_src(&decoder, file);
    jpeg_read_header(&decoder, TRUE);
    decoder.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder);
    *width = (int)decoder.output_width;
    *height = (int)decoder.output_height;
    rgb->resize((size_t)*width * *height * 3);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row = rgb->data() + (size_t)decoder.output_scanline * *width * 3;
        jpeg_read_scanlines(&decoder, &row, 1);
    }
    jpeg_finish_decompress(&decoder);
    jpeg_destroy_decompress(&decoder);
    std::fclose(file);
    return true;
}

GLuint g_textures[TEXTURE_COUNT];

// texcross's images as mipmapped textures, filtered as texcross asks (linear, linear mip).
bool LoadTextures(const std::string& folder) {
    glGenTextures(TEXTURE_COUNT, g_textures);
    for (int k = 0; k < TEXTURE_COUNT; ++k) {
        std::vector<unsigned char> rgb;
        int width = 0;
        int height = 0;
        if (!LoadJpeg(folder + "/tex" + std::to_string(k) + ".jpg", &rgb, &width, &height)) {
            return false;
        }
        glBindTexture(GL_TEXTURE_2D, g_textures[k]);
        glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_TRUE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     rgb.data());
    }
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(g_vertices[0]), &g_vertices[0][6]);
    return true;
}

void SetUpScene() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_DITHER);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat none[4] = {0, 0, 0, 0};
    const GLfloat ambient[4] = {0.2f, 0.2f, 0.2f, 1};
    const GLfloat diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    const GLfloat white[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, white);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 64.0f);
    glMatrixMode(GL_PROJECTION);
    const double near = 1.0;
    const double top = near * std::tan(M_PI / 8.0);
    glFrustum(-top * 4.0 / 3.0, top * 4.0 / 3.0, -top, top, near, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(g_vertices[0]), &g_vertices[0][0]);
    glNormalPointer(GL_FLOAT, sizeof(g_vertices[0]), &g_vertices[0][3]);
}

// boxring's ring: eight cubes 4 units out, each turned 45 degrees further, from red to yellow.
void DrawRing() {
    for (int i = 0; i < 8; ++i) {
        const GLfloat colour[4] = {1, i * 0.125f, 0, 1};
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour);
        glPushMatrix();
        glRotatef(i * 45.0f, 0, 1, 0);
        glTranslatef(4, 0, 0);
        glDrawElements(GL_TRIANGLES, 36, GL_UNSIGNED_SHORT, g_indices);
        glPopMatrix();
    }
}

std::vector<GLfloat> g_placements;

// The grid's cubes, scaled and moved into place, as column-major matrices. False without the
// memory for them.
bool PlaceCubes(long count) {
    const long side = (long)std::ceil(std::sqrt((double)count));
    const float spacing = GRID_SPAN / (float)side;
    const float scale = spacing * CUBE_SHARE / 2.0f;
    try {
        g_placements.assign((size_t)count * 16, 0.0f);
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (long i = 0; i < count; ++i) {
        GLfloat* m = &g_placements[(size_t)i * 16];
        m[0] = scale;
        m[5] = scale;
        m[10] = scale;
        m[12] = ((float)(i % side) + 0.5f) * spacing - GRID_SPAN / 2.0f;
        m[13] = ((float)(i / side) + 0.5f) * spacing - GRID_SPAN / 2.0f;
        m[15] = 1.0f;
    }
    return true;
}

// The grid, one draw a cube: its matrix, its material, and every 16 draws the highlights on or off
// (no specular colour being what D3DRS_SPECULARENABLE off gives).
void DrawGrid(long count) {
    const GLfloat white[4] = {1, 1, 1, 1};
    const GLfloat black[4] = {0, 0, 0, 1};
    for (long i = 0; i < count; ++i) {
        if (i % SPECULAR_RUN == 0) {
            glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR,
                         (i / SPECULAR_RUN) % 2 == 0 ? white : black);
        }
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE,
                     MATERIAL_COLORS[i % MATERIAL_COUNT]);
        glPushMatrix();
        glMultMatrixf(&g_placements[(size_t)i * 16]);
        glDrawElements(GL_TRIANGLES, 36, GL_UNSIGNED_SHORT, g_indices);
        glPopMatrix();
    }
}

// texcross's plus sign: white cubes at the centre and 3 units to each side, above and below.
void DrawCross() {
    const float offsets[TEXTURE_COUNT][2] = {{0, 0}, {3, 0}, {-3, 0}, {0, 3}, {0, -3}};
    const GLfloat white[4] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
    for (int k = 0; k < TEXTURE_COUNT; ++k) {
        glBindTexture(GL_TEXTURE_2D, g_textures[k]);
        glPushMatrix();
        glTranslatef(offsets[k][0], offsets[k][1], 0);
        glDrawElements(GL_TRIANGLES, 36, GL_UNSIGNED_SHORT, g_indices);
        glPopMatrix();
    }
}

void DrawFrame(float angle, const Options& options) {
    glClearColor(0.0f, 0.0f, 0x50 / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // The camera at (0, 2, 11) looking at (0, -0.2, 0); the light travels down and away.
    glRotatef((float)(std::atan2(2.2, 11.0) * 180.0 / M_PI), 1, 0, 0);
    glTranslatef(0, -2, -11);
    const GLfloat towardsLight[4] = {0, 1, 1, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, towardsLight);
    glRotatef(angle * 180.0f / (float)M_PI, 0, 1, 0);
    glRotatef(angle / 11.0f * 180.0f / (float)M_PI, 1, 0, 0);
    if (!options.textured.empty()) {
        DrawCross();
    } else if (options.draws != 0) {
        DrawGrid(options.draws);
    } else {
        DrawRing();
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, &options)) {
        std::fprintf(stderr,
                     "usage: %s FRAMES [--textured IMAGE_DIR | --draws N] [--size WxH]\n"
                     "  FRAMES 1 to 10000000, N 1 to 1000000, WxH 1x1 to 8192x8192\n",
                     argv[0]);
        return 2;
    }
    const long frames = options.frames;
    const int width = (int)options.width;
    const int height = (int)options.height;
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s: %s\n", argv[0], SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_Window* window = SDL_CreateWindow("plain GL cubes", 0, 0, width, height, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window != nullptr ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr) {
        std::fprintf(stderr, "%s: %s\n", argv[0], SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    BuildCube();
    SetUpScene();
    if (!options.textured.empty() && !LoadTextures(options.textured)) {
        return 1;
    }
    if (options.draws != 0) {
        if (!PlaceCubes(options.draws)) {
            std::fprintf(stderr, "%s: not enough memory for %ld cubes' places\n", argv[0],
                         options.draws);
            return 1;
        }
        // The cubes are scaled: their normals are normalised, as many_draws-capture asks.
        glEnable(GL_NORMALIZE);
    }
    float angle = 0.0f;
    DrawFrame(angle += 0.015f, options);
    // The first frame is read back before its clock stops, as the capture tools read theirs: both
    // then count the same work, the drawing finished and the picture copied out.
    std::vector<unsigned char> rgb((size_t)width * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    const double firstFrameMs = MillisecondsSinceProcessStart();
    SDL_GL_SwapWindow(window);
    for (int i = 1; i < WARM_UP_FRAMES; ++i) {
        DrawFrame(angle += 0.015f, options);
        SDL_GL_SwapWindow(window);
    }
    // The last frame is read back before the clock stops, as the capture tools read theirs, so
    // that the clock counts frames drawn, not frames handed to the driver.
    const auto start = std::chrono::steady_clock::now();
    for (long i = 1; i < frames; ++i) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        DrawFrame(angle += 0.015f, options);
        SDL_GL_SwapWindow(window);
    }
    DrawFrame(angle += 0.015f, options);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    SDL_GL_SwapWindow(window);
    std::printf("frames=%ld seconds=%.3f fps=%.1f first_frame_ms=%.1f\n", frames, elapsed.count(),
                (double)frames / elapsed.count(), firstFrameMs);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
