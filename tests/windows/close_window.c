// x11-close-window WINDOW_ID: asks an X11 window to close the way a window manager does when its
// close button is clicked, with a WM_DELETE_WINDOW client message. Wine turns that message into
// the window's own close command. The X server used for the tests runs no window manager, so
// nothing else would draw or click a close button.
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    char* end = NULL;
    const unsigned long window = strtoul(argv[1], &end, 0);
    if (*argv[1] == '\0' || *end != '\0') {
        fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 1;
    }
    XEvent event;
    memset(&event, 0, sizeof(event));
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return 0;
}
