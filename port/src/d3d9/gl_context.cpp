#include "gl_context.h"

#include "../host_window.h"
#include "../port_log.h"

#include <algorithm>
#include <cstdio>

namespace {

const GLint LARGEST_TEXTURE_SIDE = 8192;

// Framebuffer objects and glBlitFramebuffer are core from OpenGL 3.0 and an extension before.
bool HasFramebufferObjects() {
    const char* version = (const char*)glGetString(GL_VERSION);
    int major = 0;
    if (version == nullptr || std::sscanf(version, "%d", &major) != 1) {
        return false;
    }
    return major >= 3 || SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object");
}

} // namespace

std::shared_ptr<GlContext> GlContext::Create(HWND window, HRESULT* failure) {
    SDL_Window* host = HostWindowOf(window);
    if (host == nullptr) {
        *failure = D3DERR_INVALIDCALL;
        return nullptr;
    }
    SDL_GLContext context = SDL_GL_CreateContext(host);
    if (context == nullptr) {
        std::fprintf(stderr, "d3d9: no OpenGL context: %s\n", SDL_GetError());
        *failure = D3DERR_NOTAVAILABLE;
        return nullptr;
    }
    auto created = std::make_shared<GlContext>(window, host, context);
    if (!HasFramebufferObjects()) {
        std::fprintf(stderr, "d3d9: OpenGL %s has no framebuffer objects\n",
                     (const char*)glGetString(GL_VERSION));
        *failure = D3DERR_NOTAVAILABLE;
        return nullptr;
    }
    const char* renderer = (const char*)glGetString(GL_RENDERER);
    PortLogInfo("d3d9: OpenGL renderer %s, version %s", renderer != nullptr ? renderer : "unknown",
                (const char*)glGetString(GL_VERSION));
    return created;
}

GlContext::GlContext(HWND window, SDL_Window* host, SDL_GLContext context)
    : window_(window), host_(host), context_(context) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    maxTextureSize_ = (UINT)std::min(largest, LARGEST_TEXTURE_SIDE);
}

GlContext::~GlContext() {
    SDL_GL_DeleteContext(context_);
}

bool GlContext::MakeCurrent() {
    // A destroyed window keeps its SDL window, hidden, for as long as this context lives; the
    // device draws and presents no more once the window is gone.
    if (HostWindowOf(window_) != host_) {
        return false;
    }
    if (SDL_GL_GetCurrentContext() == context_ && SDL_GL_GetCurrentWindow() == host_) {
        return true;
    }
    return SDL_GL_MakeCurrent(host_, context_) == 0;
}

void GlContext::DrawableSize(int* width, int* height) const {
    SDL_GL_GetDrawableSize(host_, width, height);
}

void GlContext::Swap() {
    SDL_GL_SwapWindow(host_);
}

int GlContext::SetSwapInterval(int interval) {
    SDL_GL_SetSwapInterval(interval);
    return SDL_GL_GetSwapInterval();
}
