#include "platform/WindowIdentity.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

void describeWindowToDesktop(void* display_, unsigned long window, const std::string& name,
                             unsigned iconWidth, unsigned iconHeight,
                             const std::vector<unsigned long>& iconPixels)
{
    Display* display = static_cast<Display*>(display_);
    if (display == nullptr)
        return;
    std::string instance = name, kind = name; // Xlib asks for writable strings
    XClassHint hint;
    hint.res_name = instance.data();
    hint.res_class = kind.data();
    XSetClassHint(display, window, &hint);

    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);

    if (!iconPixels.empty() && iconPixels.size() == std::size_t(iconWidth) * iconHeight)
    {
        // Format 32 properties are handed over as longs, whatever their width.
        std::vector<unsigned long> icon = {iconWidth, iconHeight};
        icon.insert(icon.end(), iconPixels.begin(), iconPixels.end());
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL,
                        32, PropModeReplace, reinterpret_cast<const unsigned char*>(icon.data()),
                        int(icon.size()));
    }
    XFlush(display);
}
