#include "platform/Gamepads.h"

#include "platform/SafeFile.h"

#include <SDL.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace
{
constexpr std::size_t kLargestMappingsFile = 1u << 20; // the community's file is ~600 KB
constexpr int kEventsAtOnce = 64;

float axis(SDL_GameController* pad, SDL_GameControllerAxis which)
{
    return float(SDL_GameControllerGetAxis(pad, which)) / 32767.0f;
}

bool button(SDL_GameController* pad, SDL_GameControllerButton which)
{
    return SDL_GameControllerGetButton(pad, which) != 0;
}

// Every button the game reads: SDL's name for it, and where PadInput keeps it.
struct PadButton
{
    SDL_GameControllerButton button;
    bool PadInput::*held;
};
const PadButton kPadButtons[] = {{SDL_CONTROLLER_BUTTON_A, &PadInput::south},
                                 {SDL_CONTROLLER_BUTTON_START, &PadInput::start},
                                 {SDL_CONTROLLER_BUTTON_BACK, &PadInput::back},
                                 {SDL_CONTROLLER_BUTTON_DPAD_UP, &PadInput::up},
                                 {SDL_CONTROLLER_BUTTON_DPAD_DOWN, &PadInput::down},
                                 {SDL_CONTROLLER_BUTTON_DPAD_LEFT, &PadInput::left},
                                 {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, &PadInput::right}};
} // namespace

std::string padDescription(SDL_GameController* pad)
{
    char guid[64] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(SDL_GameControllerGetJoystick(pad)), guid,
                              sizeof guid);
    const char* name = SDL_GameControllerName(pad);
    return std::string(name ? name : "a pad with no name") + " (GUID " + guid + ")";
}

Gamepads::Gamepads(const std::string& mappingsFile)
{
    // The game has no SDL window: pads are read whichever window has the focus, as the
    // keyboard is read only while the game's own window has it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
    {
        pending.push_back(std::string("Gamepads cannot be read: ") + SDL_GetError());
        return;
    }
    working = true;
    std::string text, why;
    struct stat status
    {
    };
    // No file is the usual case; anything else at the name that cannot be read is named.
    if (lstat(mappingsFile.c_str(), &status) == 0 || errno != ENOENT)
    {
        if (readSmallFile(mappingsFile, kLargestMappingsFile, text, why))
            mappings = readPadMappings(text, mappingsFile);
        else
            pending.push_back(why + "; the player's own pad mappings are skipped");
    }
    pending.insert(pending.end(), mappings.notes.begin(), mappings.notes.end());
}

Gamepads::~Gamepads()
{
    for (const auto& [id, pad] : pads)
        SDL_GameControllerClose(pad);
    if (working)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::add(int deviceIndex, std::vector<std::string>& news)
{
    char guid[64] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(deviceIndex), guid, sizeof guid);
    // The player's line for this pad goes to SDL now, when it is needed.
    if (const std::string* line = findPadMapping(mappings, guid);
        line != nullptr && handedToSdl.insert(*line).second &&
        SDL_GameControllerAddMapping(line->c_str()) < 0)
        news.push_back("The player's mapping for the pad " + std::string(guid) +
                       " was refused: " + SDL_GetError());
    if (!SDL_IsGameController(deviceIndex))
    {
        const char* name = SDL_JoystickNameForIndex(deviceIndex);
        news.push_back(std::string("A joystick SDL does not know as a gamepad: ") +
                       (name ? name : "no name") + " (GUID " + guid +
                       "); a mapping line for it in gamecontrollerdb.txt makes it one");
        return;
    }
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (pad == nullptr)
        return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
    if (pads.count(id) != 0)
    {
        SDL_GameControllerClose(pad); // opened twice: SDL counts references
        return;
    }
    pads[id] = pad;
    news.push_back("Gamepad connected: " + padDescription(pad));
}

void Gamepads::remove(SDL_JoystickID id, std::vector<std::string>& news)
{
    const auto found = pads.find(id);
    if (found == pads.end())
        return;
    news.push_back("Gamepad removed: " + padDescription(found->second));
    SDL_GameControllerClose(found->second);
    pads.erase(found);
}

PadInput Gamepads::read(std::vector<std::string>& news)
{
    news.insert(news.end(), pending.begin(), pending.end());
    pending.clear();
    PadInput input;
    if (!working)
        return input;
    SDL_GameControllerUpdate();
    SDL_PumpEvents();
    // Every event is taken, the sticks' and buttons' too (their state is read below): SDL
    // queues them all, and a full queue would hide a pad pulled out.
    SDL_Event events[kEventsAtOnce];
    int taken = 0;
    while ((taken = SDL_PeepEvents(events, kEventsAtOnce, SDL_GETEVENT, SDL_FIRSTEVENT,
                                   SDL_LASTEVENT)) > 0)
        for (int i = 0; i < taken; ++i)
        {
            const SDL_Event& event = events[i];
            if (event.type == SDL_JOYDEVICEADDED)
                add(event.jdevice.which, news);
            else if (event.type == SDL_CONTROLLERDEVICEREMOVED)
            {
                input.padRemoved = input.padRemoved || pads.count(event.cdevice.which) != 0;
                remove(event.cdevice.which, news);
            }
        }
    for (const auto& [id, pad] : pads)
    {
        // The pad pushed furthest on each axis steers.
        const float x = axis(pad, SDL_CONTROLLER_AXIS_LEFTX);
        const float y = -axis(pad, SDL_CONTROLLER_AXIS_LEFTY);
        if (std::hypot(x, y) > std::hypot(input.stickX, input.stickY))
        {
            input.stickX = x;
            input.stickY = y;
        }
        for (const PadButton& pressed : kPadButtons)
            input.*pressed.held = input.*pressed.held || button(pad, pressed.button);
    }
    input.connected = int(pads.size());
    return input;
}

void Gamepads::rumble(float strength, int milliseconds)
{
    const Uint16 power = Uint16(std::clamp(strength, 0.0f, 1.0f) * 65535.0f);
    for (const auto& [id, pad] : pads)
        SDL_GameControllerRumble(pad, power, power, Uint32(milliseconds));
}
