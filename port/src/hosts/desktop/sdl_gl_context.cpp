// The desktop host's GL context: OpenGL 2.1 made through SDL2 on the SDL window behind the device
// window. The context is never lost. A back buffer of the window's size is drawn in the window's
// own framebuffer, and presenting swaps the window's buffers; any other is blitted to the window
// first, a plain copy on the calling thread (drawing it as a textured quad would be a second
// rasterising pass).
#include "../../d3d9/gl_context.h"
#include "../../d3d9/render_target.h"

#include "../../port_log.h"
#include "driver_heap.h"
#include "sdl_window.h"
#include "x11_errors.h"

#include <GLES2/gl2ext.h>
#include <SDL.h>

#include <cstdio>
#include <string>

namespace {

// glBlitFramebuffer of OpenGL 3.0 and ARB_framebuffer_object, with the value of its draw target:
// not in OpenGL ES 2.0, so not in the header the device compiles against.
using BlitFramebufferFunction = void(GL_APIENTRY*)(GLint, GLint, GLint, GLint, GLint, GLint, GLint,
                                                   GLint, GLbitfield, GLenum);
const GLenum DRAW_FRAMEBUFFER = 0x8CA9;

// What the shared device code calls beyond OpenGL 2.1: framebuffer objects with their blit (core
// from 3.0) and glClearDepthf (core from 4.1, ARB_ES2_compatibility before).
bool HasWhatTheDeviceCalls(GlSeam* gl) {
    const char* version = (const char*)GL_CALL(gl, glGetString)(GL_VERSION);
    int major = 0;
    int minor = 0;
    if (version == nullptr || std::sscanf(version, "%d.%d", &major, &minor) != 2) {
        return false;
    }
    const bool shaders = major > 2 || (major == 2 && minor >= 1);
    const bool framebuffers = major >= 3 || SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object");
    const bool clearDepthf = major > 4 || (major == 4 && minor >= 1) ||
                             SDL_GL_ExtensionSupported("GL_ARB_ES2_compatibility");
    return shaders && framebuffers && clearDepthf &&
           SDL_GL_GetProcAddress("glBlitFramebuffer") != nullptr;
}

class SdlGlContext : public GlContext {
  public:
    SdlGlContext(HWND window, SDL_Window* host, SDL_GLContext context)
        : window_(window), host_(host), context_(context),
          blitFramebuffer_((BlitFramebufferFunction)SDL_GL_GetProcAddress("glBlitFramebuffer")) {}
    ~SdlGlContext() override { SDL_GL_DeleteContext(context_); }
    SdlGlContext(const SdlGlContext&) = delete;
    SdlGlContext& operator=(const SdlGlContext&) = delete;

    HWND Window() const override { return window_; }

    bool MakeCurrent() override {
        // A destroyed window keeps its SDL window, hidden, for as long as this context lives; the
        // device draws and presents no more once the window is gone.
        if (SdlWindowOf(window_) != host_ || context_ == nullptr) {
            return false;
        }
        if (SDL_GL_GetCurrentContext() == context_ && SDL_GL_GetCurrentWindow() == host_) {
            return true;
        }
        return SDL_GL_MakeCurrent(host_, context_) == 0;
    }

    // Mesa keeps windows as B, G, R, A bytes and copies a back buffer stored the same way as
    // plain rows; from R, G, B, A it converts every pixel. Desktop OpenGL takes BGRA data for a
    // texture of any internal format, so textures need no converted copy either.
    GLenum TexelFormat() const override { return GL_BGRA_EXT; }

    void WindowSize(int* width, int* height) override {
        SDL_GL_GetDrawableSize(host_, width, height);
    }

    // A back buffer in the window only needs the swap. Otherwise the back buffer stays bound for
    // reading, and the window is the draw framebuffer for the blit alone, so what the GL seam
    // holds is true again after.
    bool Present(RenderTarget* backBuffer) override {
        if (!backBuffer->InWindow()) {
            int windowWidth = 0;
            int windowHeight = 0;
            WindowSize(&windowWidth, &windowHeight);
            const int width = (int)backBuffer->Width();
            const int height = (int)backBuffer->Height();
            const bool sameSize = windowWidth == width && windowHeight == height;
            GlSeam* gl = &Gl();
            GL_CALL(gl, glBindFramebuffer)(DRAW_FRAMEBUFFER, 0);
            gl->CountHostCall(GL_FUNCTION_glBlitFramebuffer);
            blitFramebuffer_(0, 0, width, height, 0, 0, windowWidth, windowHeight,
                             GL_COLOR_BUFFER_BIT, sameSize ? GL_NEAREST : GL_LINEAR);
            GL_CALL(gl, glBindFramebuffer)(DRAW_FRAMEBUFFER, backBuffer->Framebuffer());
        }
        SDL_GL_SwapWindow(host_);
        return true;
    }

    int SetSwapInterval(int interval) override {
        SDL_GL_SetSwapInterval(interval);
        return SDL_GL_GetSwapInterval();
    }

    bool ContextLost() override { return false; }

    unsigned Generation() const override { return generation_; }

    bool Replace() override {
        SDL_GL_DeleteContext(context_);
        context_ = SDL_GL_CreateContext(host_);
        ++generation_;
        Gl().Invalidate();
        if (context_ == nullptr) {
            std::fprintf(stderr, "d3d9: no new OpenGL context: %s\n", SDL_GetError());
        }
        return context_ != nullptr;
    }

  private:
    HWND window_;
    SDL_Window* host_;
    SDL_GLContext context_;
    BlitFramebufferFunction blitFramebuffer_;
    unsigned generation_ = 0;
};

} // namespace

std::shared_ptr<GlContext> CreateGlContext(HWND window, HRESULT* failure) {
    SDL_Window* host = SdlWindowOf(window);
    if (host == nullptr) {
        *failure = D3DERR_INVALIDCALL;
        return nullptr;
    }
    // An X error while the context is made (or while SDL tried OpenGL out as the window was made)
    // is a context that cannot be made.
    const X11Setup setup;
    KeepDriverHeap();
    SDL_GLContext context = SDL_GL_CreateContext(host);
    if (context == nullptr) {
        std::fprintf(stderr, "d3d9: no OpenGL context: %s\n", SDL_GetError());
        *failure = D3DERR_NOTAVAILABLE;
        return nullptr;
    }
    // Measured while the window's framebuffer is the one bound, before the device binds its own.
    // The window's depth buffer is asked for with its visual (sdl_window.cpp).
    auto created = std::make_shared<SdlGlContext>(window, host, context);
    created->MeasureWindowDepth();
    GlSeam* gl = &created->Gl();
    if (const std::string refused = X11SetupFailure(host); !refused.empty()) {
        std::fprintf(stderr, "d3d9: no OpenGL context: %s\n", refused.c_str());
        *failure = D3DERR_NOTAVAILABLE;
        return nullptr;
    }
    const auto getString = GL_CALL(gl, glGetString);
    if (!HasWhatTheDeviceCalls(gl)) {
        std::fprintf(stderr, "d3d9: OpenGL %s lacks framebuffer objects or ES 2.0 calls\n",
                     (const char*)getString(GL_VERSION));
        *failure = D3DERR_NOTAVAILABLE;
        return nullptr;
    }
    const char* renderer = (const char*)getString(GL_RENDERER);
    PortLogInfo("d3d9: OpenGL renderer %s, version %s", renderer != nullptr ? renderer : "unknown",
                (const char*)getString(GL_VERSION));
    return created;
}
