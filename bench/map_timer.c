/* Starts a program and measures, from outside, how long it takes until its window is mapped
 * on the X server; optionally clicks into that window and measures how long until a program
 * it starts is running. Prints "<milliseconds to map> <resident kB once mapped> [<ms click to
 * child>]" and ends the program.
 *
 * Usage: map_timer TITLE [--click X Y MARKER] -- PROGRAM [ARGS...]
 *   TITLE   the window's title (the first mapped top-level window with it counts)
 *   --click clicks at (X, Y) in the window once it is mapped and waits for MARKER, a file in
 *           which the started program wrote its CLOCK_MONOTONIC start in nanoseconds.
 * Run it on a display without a window manager, so top-level windows are the root's children.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

static long long now_ns(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

static long resident_kb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    long kb = -1;
    while (status && fgets(line, sizeof line, status)) {
        if (strncmp(line, "VmRSS:", 6) == 0) {
            kb = strtol(line + 6, NULL, 10);
        }
    }
    if (status)
        fclose(status);
    return kb;
}

static int has_title(Display* display, Window window, const char* title) {
    char* name = NULL;
    int match = 0;
    if (XFetchName(display, window, &name) && name) {
        match = strcmp(name, title) == 0;
        XFree(name);
    }
    if (!match) {
        XTextProperty property;
        Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
        if (XGetTextProperty(display, window, &property, net_wm_name) && property.value) {
            match = strcmp((const char*)property.value, title) == 0;
            XFree(property.value);
        }
    }
    return match;
}

static int ignore_errors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;
}

static void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: map_timer TITLE [--click X Y MARKER] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    const char* title = argv[1];
    int argi = 2, click = 0, click_x = 0, click_y = 0;
    const char* marker = NULL;
    if (strcmp(argv[argi], "--click") == 0 && argc > argi + 4) {
        click = 1;
        click_x = atoi(argv[argi + 1]);
        click_y = atoi(argv[argi + 2]);
        marker = argv[argi + 3];
        argi += 4;
        unlink(marker);
    }
    if (strcmp(argv[argi], "--") != 0) {
        fprintf(stderr, "map_timer: expected --\n");
        return 2;
    }
    char** program = argv + argi + 1;

    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_timer: no display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    pid_t pid;
    const long long start = now_ns();
    if (posix_spawnp(&pid, program[0], NULL, NULL, program, environ) != 0) {
        perror("map_timer: spawn");
        return 2;
    }
    /* Some programs (Wine) name a window only after mapping it: a mapped window counts from
     * its map once its title matches. */
    Window window = 0, candidates[64];
    long long mapped = 0, candidate_times[64];
    int candidate_count = 0;
    while (!window) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            const long long at = now_ns();
            if (has_title(display, event.xmap.window, title)) {
                mapped = at;
                window = event.xmap.window;
            } else if (candidate_count < 64) {
                XSelectInput(display, event.xmap.window, PropertyChangeMask);
                candidates[candidate_count] = event.xmap.window;
                candidate_times[candidate_count++] = at;
            }
        } else if (event.type == PropertyNotify) {
            for (int i = 0; i < candidate_count; ++i) {
                if (candidates[i] == event.xproperty.window &&
                    has_title(display, candidates[i], title)) {
                    mapped = candidate_times[i];
                    window = candidates[i];
                }
            }
        }
    }
    long kb = resident_kb(pid);
    double click_ms = -1;
    if (click) {
        /* Let the program finish its first paint before the user's click arrives. */
        usleep(300000);
        kb = resident_kb(pid);
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        Window child;
        int x, y;
        XTranslateCoordinates(display, window, root, click_x, click_y, &x, &y, &child);
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XSync(display, False);
        usleep(50000);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XSync(display, False);
        const long long clicked = now_ns();
        long long started = 0;
        for (int i = 0; i < 1000 && started == 0; ++i) {
            FILE* file = fopen(marker, "r");
            if (file) {
                if (fscanf(file, "%lld", &started) != 1)
                    started = 0;
                fclose(file);
            }
            if (!started)
                usleep(2000);
        }
        click_ms = started ? (started - clicked) / 1e6 : -1;
    }
    stop(pid);
    XCloseDisplay(display);
    if (click) {
        printf("%.2f %ld %.2f\n", (mapped - start) / 1e6, kb, click_ms);
    } else {
        printf("%.2f %ld\n", (mapped - start) / 1e6, kb);
    }
    return 0;
}
