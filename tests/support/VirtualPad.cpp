#include "support/VirtualPad.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace
{
// Every button the game reads: its word in a pad line, SDL's name for it, and where
// PadInput keeps it.
struct PadButton
{
    const char* word;
    SDL_GameControllerButton button;
    bool PadInput::*held;
};
const PadButton kPadButtons[] = {{"south", SDL_CONTROLLER_BUTTON_A, &PadInput::south},
                                 {"start", SDL_CONTROLLER_BUTTON_START, &PadInput::start},
                                 {"back", SDL_CONTROLLER_BUTTON_BACK, &PadInput::back},
                                 {"up", SDL_CONTROLLER_BUTTON_DPAD_UP, &PadInput::up},
                                 {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN, &PadInput::down},
                                 {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT, &PadInput::left},
                                 {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT, &PadInput::right}};

Sint16 axisValue(float value)
{
    return Sint16(std::clamp(value, -1.0f, 1.0f) * 32767.0f);
}
} // namespace

VirtualPad::VirtualPad()
{
    SDL_VirtualJoystickDesc description;
    SDL_zero(description);
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = SDL_CONTROLLER_AXIS_MAX;
    description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    description.name = "fishtank's virtual pad";
    const int index = SDL_JoystickAttachVirtualEx(&description);
    if (index < 0)
        return;
    id = SDL_JoystickGetDeviceInstanceID(index);
    joystick = SDL_JoystickOpen(index);
}

VirtualPad::~VirtualPad()
{
    if (joystick != nullptr)
        SDL_JoystickClose(joystick);
    for (int index = 0; index < SDL_NumJoysticks(); ++index)
        if (SDL_JoystickGetDeviceInstanceID(index) == id)
            SDL_JoystickDetachVirtual(index);
}

std::string VirtualPad::guid() const
{
    char text[64] = {};
    if (joystick != nullptr)
        SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick), text, sizeof text);
    return text;
}

void VirtualPad::hold(const PadInput& input)
{
    if (joystick == nullptr)
        return;
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, axisValue(input.stickX));
    // A pad's y axis grows downwards.
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, axisValue(-input.stickY));
    for (const PadButton& button : kPadButtons)
        SDL_JoystickSetVirtualButton(joystick, button.button, input.*button.held ? 1 : 0);
}

bool readPadLine(const std::string& line, PadInput& held)
{
    std::istringstream words(line);
    std::string word;
    bool attached = false;
    while (words >> word)
    {
        const auto equals = word.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = word.substr(0, equals);
        const float value = std::strtof(word.c_str() + equals + 1, nullptr);
        const bool on = value != 0;
        if (key == "attached")
            attached = on;
        else if (key == "x")
            held.stickX = value;
        else if (key == "y")
            held.stickY = value;
        for (const PadButton& button : kPadButtons)
            if (key == button.word)
                held.*button.held = on;
    }
    return attached;
}
