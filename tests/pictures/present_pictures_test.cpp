// What Present puts in the window, read from the X server: the back buffer with its top row at the
// top, stretched over the client area when the window has another size than the back buffer.
#include "test_device.h"

#include "../../port/src/hosts/desktop/sdl_window.h"

#include <SDL.h>
#include <SDL_syswm.h>
// After SDL's headers: Xlib's None macro would break gtest's own None, which test_device.h has
// already brought in.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

const D3DVECTOR TOWARDS_CAMERA = {0.0f, 0.0f, -1.0f};
const unsigned long WHITE = 0xFFFFFF;

// The window's pixel at (x, y) of its client area, 0xRRGGBB, as the X server holds it.
unsigned long WindowPixel(HWND window, int x, int y) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(SdlWindowOf(window), &info) || info.subsystem != SDL_SYSWM_X11) {
        ADD_FAILURE() << "the window is not an X11 window";
        return 0;
    }
    XSync(info.info.x11.display, False);
    XImage* image =
        XGetImage(info.info.x11.display, info.info.x11.window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        ADD_FAILURE() << "no pixel at " << x << ", " << y;
        return 0;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

} // namespace

// The top half of a 640 x 480 back buffer drawn white on a clear colour, presented to a client
// area of that size, to one of 320 x 240, and to one of that size again: the back buffer moves out
// of the window's own framebuffer and back into it. Each frame has a clear colour of its own, so
// that a frame left over from before cannot pass for it.
TEST(PresentPictures, ShowsTheTopRowAtTheTopStretchedOverTheClientArea) {
    TestDevice test;
    ASSERT_EQ(D3D_OK, test.created);
    test.device->SetRenderState(D3DRS_LIGHTING, FALSE);
    test.BindMesh(Rectangle(-1.0f, 1.0f, 1.0f, 0.0f, 0.5f, TOWARDS_CAMERA), RectangleIndices());
    const struct {
        int width, height;
        unsigned long background;
    } clients[] = {{640, 480, 0x000050}, {320, 240, 0x005000}, {640, 480, 0x500000}};
    for (const auto& client : clients) {
        SDL_SetWindowSize(SdlWindowOf(test.window), client.width, client.height);
        SDL_PumpEvents();
        ASSERT_EQ(D3D_OK, test.device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER,
                                             0xFF000000 | client.background, 1.0f, 0));
        test.DrawMesh();
        ASSERT_EQ(D3D_OK, test.device->Present(nullptr, nullptr, nullptr, nullptr));
        const int middle = client.height / 2;
        EXPECT_EQ(WHITE, WindowPixel(test.window, 4, 4)) << client.width;
        EXPECT_EQ(WHITE, WindowPixel(test.window, client.width - 4, middle - 4)) << client.width;
        EXPECT_EQ(client.background, WindowPixel(test.window, 4, middle + 4)) << client.width;
        EXPECT_EQ(client.background, WindowPixel(test.window, client.width - 4, client.height - 4))
            << client.width;
    }
}
