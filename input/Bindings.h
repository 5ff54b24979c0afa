#pragma once

#include "input/Actions.h"

#include <OISKeyboard.h>

#include <cstdint>
#include <functional>
#include <string>
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
// Page Up/Down, Right, Left, F, T, SysRq, R, Escape and Q, and Tab.
const Bindings& defaultBindings();

// The actions asked for by the keys held (bit i: Action i); never both of two opposite swims.
std::uint32_t actionsHeld(const Bindings& bindings,
                          const std::function<bool(OIS::KeyCode)>& keyDown);

// The keys bound to the action, in the order they act.
std::vector<OIS::KeyCode> keysFor(const Bindings& bindings, Action action);
// The action the key asks for; false when it asks for none.
bool actionOf(const Bindings& bindings, OIS::KeyCode key, Action& action);

// What giving a key to an action came to.
struct KeyChange
{
    enum Outcome
    {
        Done,    // the action has the key
        Taken,   // the key asks for `takenBy`: nothing changed (ask again with swap)
        Refused, // the key cannot ask for this action (`why` says so): nothing changed
    };
    Outcome outcome = Done;
    Action takenBy = Action::Quit;
    std::string why;
};

// Makes the key the action's only key, in the row of the action's key it replaces (the
// key's own row if the action had it), so the order of two opposite swims stays as it was.
// A key of another action is taken only with `swap`: that action gets this one's old key in
// its row. Quit keeps Escape and Q and gains the key instead (swapped, the other action
// keeps its other keys). Escape and Q go to no other action; Alt and its keys stay for
// Alt+Return.
KeyChange giveKey(Bindings& bindings, Action action, OIS::KeyCode key, bool swap);

// Gives the action exactly these keys (Quit: Escape, Q and these): the action's rows take
// them in order and further keys are appended. Clashes with other actions are left for the
// caller; false (and `why`) for a key that cannot ask for the action, nothing changed.
bool setKeys(Bindings& bindings, Action action, const std::vector<OIS::KeyCode>& keys,
             std::string& why);
