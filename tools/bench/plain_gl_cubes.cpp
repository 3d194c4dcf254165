// The eight lit cubes of boxring drawn with SDL2 and OpenGL 2.1 directly: one window of the same
// client size, the same light, materials and camera, client-side arrays, no swap interval. It
// prints the same line as <program>-capture --bench, so the two can be compared in one run.
#include <SDL.h>
#include <SDL_opengl.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const int WARM_UP_FRAMES = 30;

// Four vertices per face (position, normal) and two triangles each.
float g_vertices[24][6];
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

void DrawFrame(float angle) {
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

} // namespace

int main(int argc, char** argv) {
    const long frames = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (argc != 2 || frames < 1) {
        std::fprintf(stderr, "usage: %s FRAMES\n", argv[0]);
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "%s: %s\n", argv[0], SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_Window* window = SDL_CreateWindow("plain GL cubes", 0, 0, 640, 480, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window != nullptr ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr) {
        std::fprintf(stderr, "%s: %s\n", argv[0], SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(0);
    BuildCube();
    SetUpScene();
    float angle = 0.0f;
    for (int i = 0; i < WARM_UP_FRAMES; ++i) {
        DrawFrame(angle += 0.015f);
        SDL_GL_SwapWindow(window);
    }
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < frames; ++i) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        DrawFrame(angle += 0.015f);
        SDL_GL_SwapWindow(window);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("frames=%ld seconds=%.3f fps=%.1f\n", frames, elapsed.count(),
                (double)frames / elapsed.count());
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
