#include "platform/QuitSignals.h"

#include <csignal>

namespace
{
volatile std::sig_atomic_t quitRequested = 0;

extern "C" void requestQuit(int number)
{
    quitRequested = number;
}

const int kQuitSignals[] = {SIGINT, SIGTERM, SIGHUP};
} // namespace

void installQuitSignals()
{
    for (int number : kQuitSignals)
        std::signal(number, requestQuit);
}

void removeQuitSignals()
{
    for (int number : kQuitSignals)
        std::signal(number, SIG_DFL);
}

bool quitSignalled()
{
    return quitRequested != 0;
}

int quitSignal()
{
    return quitRequested;
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

void ignoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}
