/* The floor for any X program: a bare 390 x 225 Xlib window. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display)
        return 1;
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 390, 225, 0, 0,
                                        WhitePixel(display, DefaultScreen(display)));
    XStoreName(display, window, "Xlib reference");
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
