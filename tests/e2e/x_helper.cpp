// Does to the game's windows what other programs on a desktop do.
//
//   x_helper --intern         makes the atoms a window manager makes at its start; the
//                             engine only looks WM_DELETE_WINDOW up, so a bare X server
//                             must have it before the game starts
//   x_helper --close ID       asks the window to close, as a window manager's close
//                             button does (a WM_DELETE_WINDOW message)
//   x_helper --destroy ID     destroys the window outright, as a misbehaving program may
//   x_helper --try-grab       tries to take the keyboard and the pointer; prints
//                             "keyboard=<ok|taken> pointer=<ok|taken>" and lets go again
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
int usage()
{
    std::fprintf(stderr, "usage: x_helper --intern | --close ID | --destroy ID | --try-grab\n");
    return 2;
}

void sendClose(Display* display, Window window)
{
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
}

const char* grabResult(int status)
{
    return status == GrabSuccess ? "ok" : "taken";
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    const std::string mode = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
    {
        std::fprintf(stderr, "x_helper: no display\n");
        return 1;
    }
    int status = 0;
    if (mode == "--intern")
    {
        XInternAtom(display, "WM_PROTOCOLS", False);
        XInternAtom(display, "WM_DELETE_WINDOW", False);
    }
    else if ((mode == "--close" || mode == "--destroy") && argc == 3)
    {
        const Window window = std::strtoul(argv[2], nullptr, 0);
        if (mode == "--close")
            sendClose(display, window);
        else
            XDestroyWindow(display, window);
    }
    else if (mode == "--try-grab")
    {
        const Window root = DefaultRootWindow(display);
        const int keyboard =
            XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime);
        const int pointer = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync,
                                         GrabModeAsync, None, None, CurrentTime);
        std::printf("keyboard=%s pointer=%s\n", grabResult(keyboard), grabResult(pointer));
        XUngrabKeyboard(display, CurrentTime);
        XUngrabPointer(display, CurrentTime);
    }
    else
    {
        status = usage();
    }
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}
