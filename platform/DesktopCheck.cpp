#include "platform/DesktopCheck.h"

#include <GL/glx.h>
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
