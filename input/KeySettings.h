#pragma once

#include "input/Bindings.h"
#include "rules/Settings.h"

#include <string>
#include <vector>

// The keys settings.cfg asks for, and the problems found: a line naming no action or an
// unknown key, a key that cannot ask for its action, and a key given to two actions. Each
// such action keeps its usual keys.
struct KeysRead
{
    Bindings bindings;
    std::vector<std::string> problems;
};

// The usual keys with the lines' keys in place ("key.up = Up, W"; the last line for an
// action counts).
KeysRead bindingsFromLines(const std::vector<KeyLine>& lines);
// The lines for the actions whose keys are not the usual ones.
std::vector<KeyLine> keyLinesFor(const Bindings& bindings);
// "Up, W"
std::string keyList(const std::vector<OIS::KeyCode>& keys);
// The first key that asks for the action, as the panel names it ("Tab"); empty when no key
// does, for a hint to say something else.
std::string firstKeyName(const Bindings& bindings, Action action);
