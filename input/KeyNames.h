#pragma once

#include <OISKeyboard.h>

#include <string>
#include <vector>

// The keys a player may bind, by the names the panel shows and settings.cfg uses
// ("Page Up", "Print Screen", "Keypad 7", "K"); names are read in any case.

// The key's name; empty for a key that cannot be bound.
std::string keyName(OIS::KeyCode key);
// The key a name stands for ("sysrq" and "enter" are taken too); false for no such key.
bool keyFromName(const std::string& name, OIS::KeyCode& key);
// Every key with a name, to look for presses of any of them.
const std::vector<OIS::KeyCode>& namedKeys();
