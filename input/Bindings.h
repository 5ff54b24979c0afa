#pragma once

#include "input/Actions.h"

#include <OISKeyboard.h>

#include <cstdint>
#include <functional>
#include <vector>

// One key and the action it asks for.
struct KeyBinding
{
    OIS::KeyCode key;
    Action action;
};

// The keys the game reads, in the order they act: of two opposite swims held together the
// one bound later wins, as the keys were always read (the arrow keys after W A S D).
struct Bindings
{
    std::vector<KeyBinding> keys;
};

// Today's keys: P, F1, M, H, Return and keypad Enter, either Alt, F11, A D, Up W, Down S,
// Page Up/Down, Right, Left, F, T, SysRq, R, Escape and Q.
const Bindings& defaultBindings();

// The actions asked for by the keys held (bit i: Action i); never both of two opposite swims.
std::uint32_t actionsHeld(const Bindings& bindings,
                          const std::function<bool(OIS::KeyCode)>& keyDown);
