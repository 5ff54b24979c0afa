#pragma once

#include "input/Actions.h"

#include <string>
#include <vector>

// How the player meets each action: its name in settings.cfg ("key.new-game"), its caption in
// the controls panel ("New game") and what a key bound to it does ("starts a new game").

// The actions a player may give keys to, in the panel's order (every action but Alt, which
// stays the modifier of Alt+Return).
const std::vector<Action>& actionsOffered();
const char* actionName(Action action);
const char* actionCaption(Action action);
const char* actionDoing(Action action);
// The offered action of that settings name, in any case; false for none.
bool actionFromName(const std::string& name, Action& action);
