#include "platform/XErrors.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace
{
bool errorReported = false;

int onError(Display* display, XErrorEvent* event)
{
    if (!errorReported)
    {
        char text[256] = {};
        XGetErrorText(display, event->error_code, text, sizeof text - 1);
        std::fprintf(stderr, "fishtank: the X server reported an error (%s); the game ends\n",
                     text);
    }
    errorReported = true;
    return 0;
}

int onConnectionLost(Display*)
{
    static const char line[] = "fishtank: the X display closed the game's connection (the "
                               "display went away, or a window was closed from outside); the "
                               "game ends\n";
    ssize_t written = write(STDERR_FILENO, line, sizeof line - 1);
    (void)written;
    _exit(0);
}
} // namespace

void installXErrorHandlers()
{
    XSetErrorHandler(onError);
    XSetIOErrorHandler(onConnectionLost);
}

bool xErrorReported()
{
    return errorReported;
}

bool xErrorAfterSync(void* display)
{
    if (display != nullptr)
        XSync(static_cast<Display*>(display), False);
    return errorReported;
}
