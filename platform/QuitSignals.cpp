#include "platform/QuitSignals.h"

#include <csignal>

namespace
{
volatile std::sig_atomic_t quitRequested = 0;

extern "C" void requestQuit(int)
{
    quitRequested = 1;
}
} // namespace

void installQuitSignals()
{
    std::signal(SIGINT, requestQuit);
    std::signal(SIGTERM, requestQuit);
}

void removeQuitSignals()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

bool quitSignalled()
{
    return quitRequested != 0;
}
