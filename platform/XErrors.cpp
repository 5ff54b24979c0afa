#include "platform/XErrors.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace
{
bool errorReported = false;
void (*lastWords)(void*) = nullptr;
void* lastWordsContext = nullptr;

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
    if (lastWords != nullptr)
        lastWords(lastWordsContext);
    _exit(0);
}
} // namespace

void installXErrorHandlers()
{
    XSetErrorHandler(onError);
    XSetIOErrorHandler(onConnectionLost);
}

void setLastWordsOnLostDisplay(void (*words)(void*), void* context)
{
    lastWords = words;
    lastWordsContext = context;
}

void forgetLastWordsOnLostDisplay(void* context)
{
    if (lastWordsContext == context)
        setLastWordsOnLostDisplay(nullptr, nullptr);
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
