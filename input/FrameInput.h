#pragma once

#include "input/Actions.h"
#include "platform/Gamepads.h"

#include <cstdint>
#include <string>
#include <vector>

class InputSystem;
struct Bindings;

// What the game reads from its devices in one frame, and nothing else: the actions its
// keys ask for, the mouse's buttons and (while the right button is held, the only time it is
// read) its motion, and the gamepads.
struct FrameInput
{
    std::uint32_t actions = 0; // bit i: a key asking for Action i is held
    int mouseButtons = 0;      // OIS's button bits
    int mouseX = 0, mouseY = 0;
    PadInput pad;
};

bool actionHeld(const FrameInput& input, Action action);
void holdAction(FrameInput& input, Action action);

// Captures the devices and reads what the game reads, the keys through the bindings. The
// pads' news (a pad that came or went) is added to `news`.
FrameInput readDevices(InputSystem& devices, const Bindings& bindings,
                       std::vector<std::string>& news);
