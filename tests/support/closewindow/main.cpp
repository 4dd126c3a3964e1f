// Asks every top-level X window whose title contains the given text to close,
// the way a window manager's close button does (WM_DELETE_WINDOW), so tests
// can end the program as a user would. Exit code 0 when a window was asked.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>

namespace {

bool titleContains(Display* display, Window window, const char* text)
{
    XTextProperty property;
    if (!XGetWMName(display, window, &property) || !property.value)
        return false;
    const bool found = std::strstr(reinterpret_cast<const char*>(property.value), text) != nullptr;
    XFree(property.value);
    return found;
}

int closeMatching(Display* display, Window parent, const char* text, Atom protocols,
                  Atom deleteWindow)
{
    Window root = 0;
    Window parentOut = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count))
        return 0;
    int asked = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (titleContains(display, children[i], text)) {
            XEvent event = {};
            event.xclient.type = ClientMessage;
            event.xclient.window = children[i];
            event.xclient.message_type = protocols;
            event.xclient.format = 32;
            event.xclient.data.l[0] = long(deleteWindow);
            event.xclient.data.l[1] = CurrentTime;
            XSendEvent(display, children[i], False, NoEventMask, &event);
            ++asked;
        }
        asked += closeMatching(display, children[i], text, protocols, deleteWindow);
    }
    if (children)
        XFree(children);
    return asked;
}

// Windows come and go while the tree is walked (the program's start-up
// window, a menu): a window gone by the time it is asked about is skipped,
// instead of Xlib's default handler ending this tool after a window was
// already asked to close.
int ignoreVanishedWindow(Display*, XErrorEvent*)
{
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <title text>\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreVanishedWindow);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    const int asked =
        closeMatching(display, DefaultRootWindow(display), argv[1], protocols, deleteWindow);
    XSync(display, False); // the requests are sent while errors are still ignored
    XCloseDisplay(display);
    return asked > 0 ? 0 : 1;
}
