/* Prints the mouse pointer the X server shows now, as "WIDTHxHEIGHT HOTX,HOTY". */
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <stdio.h>

int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display)
        return 2;
    XFixesCursorImage* cursor = XFixesGetCursorImage(display);
    if (!cursor)
        return 1;
    printf("%dx%d %d,%d\n", cursor->width, cursor->height, cursor->xhot, cursor->yhot);
    XFree(cursor);
    XCloseDisplay(display);
    return 0;
}
