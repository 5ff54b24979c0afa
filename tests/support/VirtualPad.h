#pragma once

#include "platform/Gamepads.h"

#include <SDL_joystick.h>

#include <string>

// A pad with no device behind it (SDL's virtual joystick), seen by the game as any pad:
// attached when made, pulled out when it goes. The unit tests hold it from code; the real
// game's tests drive one from a file (e2e/virtual_pad.cpp, loaded into the game).
class VirtualPad
{
public:
    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool attached() const { return joystick != nullptr; }
    // The GUID SDL gives it, as mapping lines write it.
    std::string guid() const;
    // Holds the stick and the buttons as given (padRemoved and connected are not read).
    void hold(const PadInput& input);

private:
    SDL_JoystickID id = -1;
    SDL_Joystick* joystick = nullptr;
};

// Reads what a test's pad holds from one line of "key=value" words, such as
// "attached=1 x=0.5 y=0 south=1 start=0 back=0 up=0 down=0 left=0 right=0" (a missing key
// is 0, an unknown one is passed over); returns whether the pad is plugged in.
bool readPadLine(const std::string& line, PadInput& held);
