// Plugs a virtual pad into the real game for its tests, driven from a small file: loaded
// into the game with LD_PRELOAD, it reads the file named by FISHTANK_VIRTUAL_PAD at each of
// the game's pad reads, just before SDL updates its pads, and plugs the pad in, holds what
// the file's one line says (support/VirtualPad.h) or pulls it out. The game itself knows
// nothing of it: every call goes on to SDL's own.
#include "support/VirtualPad.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace
{
// A plain pointer: SDL is long gone by the time static objects are destroyed.
VirtualPad* pad = nullptr;

void pullOut()
{
    delete pad;
    pad = nullptr;
}

template <typename Function> Function sdlsOwn(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

void drivePadFromFile(const char* file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    PadInput held;
    const bool attached = readPadLine(line, held);
    if (attached && pad == nullptr)
        pad = new VirtualPad;
    else if (!attached)
        pullOut();
    if (pad != nullptr)
        pad->hold(held);
}
} // namespace

extern "C" __attribute__((visibility("default"))) void SDL_GameControllerUpdate()
{
    static const auto next = sdlsOwn<void (*)()>("SDL_GameControllerUpdate");
    if (const char* file = std::getenv("FISHTANK_VIRTUAL_PAD"))
        drivePadFromFile(file);
    next();
}

extern "C" __attribute__((visibility("default"))) void SDL_QuitSubSystem(Uint32 flags)
{
    static const auto next = sdlsOwn<void (*)(Uint32)>("SDL_QuitSubSystem");
    // The pad goes before SDL's pads do.
    if ((flags & (SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER)) != 0)
        pullOut();
    next(flags);
}
