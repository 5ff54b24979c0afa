#include "platform/DesktopCheck.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

bool desktopDisplayAvailable()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
    return true;
}

bool displayOffersOpenGL()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    int errorBase = 0, eventBase = 0;
    const bool glx = glXQueryExtension(display, &errorBase, &eventBase);
    XCloseDisplay(display);
    return glx;
}

bool xScreenSize(void* display, unsigned long window, unsigned& width, unsigned& height)
{
    XWindowAttributes attributes;
    if (display == nullptr ||
        XGetWindowAttributes(static_cast<Display*>(display), window, &attributes) == 0)
        return false;
    width = unsigned(WidthOfScreen(attributes.screen));
    height = unsigned(HeightOfScreen(attributes.screen));
    return true;
}

bool usableScreenArea(int& left, int& top, unsigned& width, unsigned& height)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    const int screen = DefaultScreen(display);
    left = top = 0;
    width = unsigned(DisplayWidth(display, screen));
    height = unsigned(DisplayHeight(display, screen));
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    const Atom workArea = XInternAtom(display, "_NET_WORKAREA", True);
    if (workArea != None &&
        XGetWindowProperty(display, RootWindow(display, screen), workArea, 0, 4, False, XA_CARDINAL,
                           &type, &format, &count, &remaining, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count >= 4)
    {
        // Format 32 properties come back as longs.
        const long* area = reinterpret_cast<const long*>(data);
        left = int(area[0]);
        top = int(area[1]);
        width = unsigned(area[2]);
        height = unsigned(area[3]);
    }
    if (data != nullptr)
        XFree(data);
    XCloseDisplay(display);
    return true;
}
