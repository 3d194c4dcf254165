// The browser host's GL context: WebGL 1 on the device window's canvas. A back buffer of the
// canvas's size is drawn in the canvas's own framebuffer; any other is drawn over the canvas as a
// textured quad when presenting (WebGL 1 has no blit). Presenting then yields to the browser,
// which shows the canvas: until the next display refresh with swap interval 1, at once with 0. The
// page may take the context away (the GPU process restarts, or WEBGL_lose_context): the device is
// lost until the browser restores it, and the restored context is a new generation.
#include "../../d3d9/gl_context.h"
#include "../../d3d9/render_target.h"

#include "canvas_window.h"
#include "present_quad.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <string>

namespace {

// Follows the canvas's context events in the page, so that a loss is seen even while the program
// waits; counts the restorations. Keeps the context made on the canvas (getContext gives it again)
// to ask it whether it is lost.
EM_JS(void, port_web_watch_context, (const char* selector), {
    var canvas = document.querySelector(UTF8ToString(selector));
    canvas.portContext = {lost : false, generation : 0, gl : canvas.getContext('webgl')};
    canvas.addEventListener(
        'webglcontextlost', function(event) {
            // Without this the browser would never restore the context.
            event.preventDefault();
            canvas.portContext.lost = true;
        });
    canvas.addEventListener(
        'webglcontextrestored', function() {
            canvas.portContext.lost = false;
            canvas.portContext.generation += 1;
        });
});

// The context is lost from the moment it is taken away, which is before its event arrives, until
// the event of its return: a reset in between would make GL objects on a lost context.
EM_JS(int, port_web_context_lost, (const char* selector), {
    var context = document.querySelector(UTF8ToString(selector)).portContext;
    return context.lost || context.gl.isContextLost() ? 1 : 0;
});

EM_JS(int, port_web_context_generation, (const char* selector),
      { return document.querySelector(UTF8ToString(selector)).portContext.generation; });

// Yields to the browser until its next display refresh.
EM_ASYNC_JS(void, port_web_wait_for_refresh, (),
            { await new Promise(function(resolve) { requestAnimationFrame(resolve); }); });

// Yields to the browser and comes back as soon as it has handled what waits, without waiting for
// a refresh. A message to itself is not held back the way a zero timeout is (browsers make nested
// zero timeouts wait 4 ms).
EM_ASYNC_JS(void, port_web_yield, (), {
    await new Promise(function(resolve) {
        var channel = new MessageChannel();
        channel.port1.onmessage = function() {
            resolve();
        };
        channel.port2.postMessage(0);
    });
});

// 32-bit indices (translate.h), the one extension of WebGL 1 the stand-in uses. Without it
// D3DFMT_INDEX32 draws nothing, and stderr says so.
void EnableExtensions(EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context) {
    if (!emscripten_webgl_enable_extension(context, "OES_element_index_uint")) {
        std::fprintf(stderr, "d3d9: WebGL lacks OES_element_index_uint: 32-bit indices draw "
                             "nothing\n");
    }
}

class WebGlContext : public GlContext {
  public:
    WebGlContext(HWND window, std::string selector, EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context)
        : window_(window), selector_(std::move(selector)), context_(context) {}
    ~WebGlContext() override { emscripten_webgl_destroy_context(context_); }
    WebGlContext(const WebGlContext&) = delete;
    WebGlContext& operator=(const WebGlContext&) = delete;

    HWND Window() const override { return window_; }

    bool MakeCurrent() override {
        // The canvas stays in the page, hidden, after its window is destroyed; the device draws
        // and presents no more then.
        if (CanvasSelectorOf(window_) != selector_ || ContextLost()) {
            return false;
        }
        if (emscripten_webgl_get_current_context() != context_ &&
            emscripten_webgl_make_context_current(context_) != EMSCRIPTEN_RESULT_SUCCESS) {
            return false;
        }
        // A restored context has none of the extensions the lost one had.
        if (const unsigned generation = Generation(); generation != extensionsGeneration_) {
            EnableExtensions(context_);
            extensionsGeneration_ = generation;
        }
        return true;
    }

    // The canvas keeps its size unless the page changes it; scaling it down to fit a small
    // screen is the page's style and leaves its framebuffer as it is.
    void WindowSize(int* width, int* height) override {
        emscripten_get_canvas_element_size(selector_.c_str(), width, height);
    }

    // The browser shows what was drawn in the canvas once the program yields to it, and takes it
    // away then (the canvas does not preserve its drawing buffer): nothing else yields between a
    // frame's first clear or draw and its present.
    bool Present(RenderTarget* backBuffer) override {
        if (!backBuffer->InWindow()) {
            int width = 0;
            int height = 0;
            WindowSize(&width, &height);
            if (!presentQuad_.Draw(*backBuffer, width, height, Generation(), &Gl())) {
                return false;
            }
        }
        if (interval_ == 0) {
            port_web_yield();
        } else {
            port_web_wait_for_refresh();
        }
        return true;
    }

    int SetSwapInterval(int interval) override {
        interval_ = interval == 0 ? 0 : 1;
        return interval_;
    }

    bool ContextLost() override { return port_web_context_lost(selector_.c_str()) != 0; }

    unsigned Generation() const override {
        return (unsigned)port_web_context_generation(selector_.c_str());
    }

  private:
    HWND window_;
    std::string selector_;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context_;
    unsigned extensionsGeneration_ = 0;
    int interval_ = 1;
    PresentQuad presentQuad_;
};

} // namespace

std::shared_ptr<GlContext> CreateGlContext(HWND window, HRESULT* failure) {
    const std::string selector = CanvasSelectorOf(window);
    if (selector.empty()) {
        *failure = D3DERR_INVALIDCALL;
        return nullptr;
    }
    // The canvas's framebuffer has what a back buffer in it needs: colour without alpha, as
    // X8R8G8B8 has none, and depth.
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    attributes.minorVersion = 0;
    // The stand-in turns on what it uses itself, in this context and in any restored one.
    attributes.enableExtensionsByDefault = EM_FALSE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(selector.c_str(), &attributes);
    if (context <= 0 ||
        emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        std::fprintf(stderr, "d3d9: no WebGL context on %s\n", selector.c_str());
        *failure = D3DERR_NOTAVAILABLE;
        return nullptr;
    }
    port_web_watch_context(selector.c_str());
    EnableExtensions(context);
    auto created = std::make_shared<WebGlContext>(window, selector, context);
    created->MeasureWindowDepth();
    return created;
}
