// The floor the pages' first frame is measured against: a page built as the capture pages are
// (the same toolchain, flags and page script) whose program makes a WebGL context on a
// 640 x 480 canvas as the web host does, clears it once, reads it back (so the clear has been
// drawn, as the capture tool's benchmark reads its first frame back) and prints the milliseconds
// from the page's navigation, as the benchmark's first_frame_ms.
#include <GLES2/gl2.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const int WIDTH = 640;
const int HEIGHT = 480;

EM_JS(void, add_canvas, (int width, int height), {
    var canvas = document.createElement('canvas');
    canvas.id = 'clear';
    canvas.width = width;
    canvas.height = height;
    (document.getElementById('desktop') || document.body).appendChild(canvas);
});

EM_JS(double, milliseconds_since_navigation, (), { return performance.now(); });

} // namespace

int main() {
    add_canvas(WIDTH, HEIGHT);
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context("#clear", &attributes);
    if (context <= 0 ||
        emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        std::fprintf(stderr, "webgl-clear: no WebGL context\n");
        return EXIT_FAILURE;
    }
    glClearColor(0.0f, 0.0f, 80.0f / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    std::vector<unsigned char> pixels((size_t)WIDTH * HEIGHT * 4);
    glReadPixels(0, 0, WIDTH, HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    std::printf("first_frame_ms=%.1f\n", milliseconds_since_navigation());
    std::fflush(stdout);
    std::exit(EXIT_SUCCESS);
}
