#include "platform/DesktopCheck.h"

#include <X11/Xlib.h>

bool desktopDisplayAvailable()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
    return true;
}
