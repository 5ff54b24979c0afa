#include "platform/XFocus.h"

#include <X11/Xlib.h>

namespace
{
// True when `inner` is `outer` or lies inside it.
bool within(Display* display, Window inner, Window outer)
{
    while (inner != 0)
    {
        if (inner == outer)
            return true;
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, inner, &root, &parent, &children, &count))
            return false;
        if (children != nullptr)
            XFree(children);
        if (parent == root)
            return false;
        inner = parent;
    }
    return false;
}
} // namespace

WindowFocus xFocusOf(void* opaqueDisplay, unsigned long window)
{
    auto* display = static_cast<Display*>(opaqueDisplay);
    if (display == nullptr)
        return WindowFocus::Unknown;
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == PointerRoot || focus == None)
        return WindowFocus::Unknown;
    return within(display, focus, Window(window)) ? WindowFocus::Here : WindowFocus::Elsewhere;
}
