#pragma once

#include "platform/Gamepads.h"

#include <OISKeyboard.h>

#include <cstdint>
#include <string>
#include <vector>

class InputSystem;

// Every key the game reads, in a fixed order: a frame's keys are kept as one bit each.
extern const OIS::KeyCode kGameKeys[];
constexpr int kGameKeyCount = 25;

// What the game reads from its devices in one frame, and nothing else: the keys it asks
// about, the mouse's buttons and (while the right button is held, the only time it is
// read) its motion, and the gamepads.
struct FrameInput
{
    std::uint32_t keys = 0; // bit i: kGameKeys[i] is held
    int mouseButtons = 0;   // OIS's button bits
    int mouseX = 0, mouseY = 0;
    PadInput pad;
};

bool keyHeld(const FrameInput& input, OIS::KeyCode key);
void holdKey(FrameInput& input, OIS::KeyCode key);

// Captures the devices and reads what the game reads. The pads' news (a pad that came or
// went) is added to `news`.
FrameInput readDevices(InputSystem& devices, std::vector<std::string>& news);
