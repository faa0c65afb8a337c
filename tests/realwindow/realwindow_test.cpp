// Starts the built program in a real X window, checks the window and its size at 96 dpi, takes a
// screenshot, then closes the window as its close box does (WM_DELETE_WINDOW) and expects the program to
// end with status 0. Runs under xvfb-run. Given a window manager, starts it first and also checks that the
// whole framed window, title bar included, sits in the middle of the screen.
// Usage: realwindow_test PROGRAM SCREENSHOT [WINDOW-MANAGER]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

int failures = 0;

void check(bool condition, const std::string& what) {
    std::printf("%s: %s\n", condition ? "ok" : "FAILED", what.c_str());
    failures += condition ? 0 : 1;
}

// Windows come and go while the tree is walked (a program starting up makes and drops helper windows):
// asking about one that has just gone is no failure, and the search goes on.
int ignoreVanishedWindows(Display*, XErrorEvent* error) {
    if (error->error_code != BadWindow && error->error_code != BadDrawable)
        std::fprintf(stderr, "X error %d\n", error->error_code);
    return 0;
}

// The mapped window titled `title` at or below `parent`, or 0. A window manager puts the program's
// window inside its frame, so the search goes down the whole tree.
Window findWindow(Display* display, Window parent, const char* title, XWindowAttributes& attributes) {
    Window root = 0, up = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, title) == 0 && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable && attributes.width > 1)
                found = children[i];
            XFree(name);
        }
        if (!found)
            found = findWindow(display, children[i], title, attributes);
    }
    if (children)
        XFree(children);
    return found;
}

// The frame the window manager drew around `window`: left, right, top, bottom, or all 0.
std::array<long, 4> frameExtents(Display* display, Window window) {
    std::array<long, 4> extents{};
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_FRAME_EXTENTS", False), 0, 4, False,
                           XA_CARDINAL, &type, &format, &items, &after, &data) == Success &&
        data && items == 4 && format == 32) {
        const auto* values = reinterpret_cast<const long*>(data);
        std::copy(values, values + 4, extents.begin());
    }
    if (data)
        XFree(data);
    return extents;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: realwindow_test PROGRAM SCREENSHOT [WINDOW-MANAGER]\n");
        return 2;
    }
    const bool managed = argc == 4;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreVanishedWindows);
    pid_t manager = 0;
    if (managed) {
        manager = fork();
        if (manager == 0) {
            execlp(argv[3], argv[3], static_cast<char*>(nullptr));
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::seconds(1)); // let it take the screen
    }
    const pid_t program = fork();
    if (program == 0) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }

    XWindowAttributes attributes{};
    Window window = 0;
    for (int i = 0; i < 300 && !window; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        window = findWindow(display, DefaultRootWindow(display), "Varnel", attributes);
    }
    check(window != 0, "a window titled Varnel appears");
    if (!window) {
        kill(program, SIGKILL);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // let it paint
    XGetWindowAttributes(display, window, &attributes);
    // The twip layout is 7725 × 8580 twips, 515 × 572 pixels at 96 dpi, below the menu bar.
    const int menuBar = attributes.height - 572;
    check(attributes.width == 515,
          "the window is 515 pixels wide (" + std::to_string(attributes.width) + ")");
    check(menuBar >= 16 && menuBar <= 40,
          "below a menu bar of " + std::to_string(menuBar) + " pixels the client area is 572 pixels high");

    int checks = 6;
    if (managed) {
        const auto [left, right, top, bottom] = frameExtents(display, window);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
        const Screen* screen = DefaultScreenOfDisplay(display);
        // Twice the distance between the centres, so that an odd pixel left over is allowed.
        const long offX = 2 * (x - left) + left + attributes.width + right - WidthOfScreen(screen);
        const long offY = 2 * (y - top) + top + attributes.height + bottom - HeightOfScreen(screen);
        check(top > 0, "the window manager framed the window (title bar " + std::to_string(top) + " pixels)");
        check(std::abs(offX) <= 1 && std::abs(offY) <= 1,
              "the framed window is centred on the screen (off by " + std::to_string(offX / 2) + ", " +
                  std::to_string(offY / 2) + " pixels)");
        checks += 2;
    }

    const std::string shot = "import -window " + std::to_string(window) + " '" + argv[2] + "'";
    check(std::system(shot.c_str()) == 0, std::string("screenshot saved to ") + argv[2]);

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);

    int status = 0;
    pid_t ended = 0;
    for (int i = 0; i < 200 && ended == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ended = waitpid(program, &status, WNOHANG);
    }
    check(ended == program, "the program ends when its window is closed");
    if (ended != program) {
        kill(program, SIGKILL);
        waitpid(program, &status, 0);
    }
    check(ended == program && WIFEXITED(status) && WEXITSTATUS(status) == 0, "with status 0");
    if (manager > 0) {
        kill(manager, SIGTERM);
        waitpid(manager, nullptr, 0);
    }
    XCloseDisplay(display);
    std::printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
