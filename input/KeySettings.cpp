#include "input/KeySettings.h"

#include "input/ActionNames.h"
#include "input/KeyNames.h"
#include "rules/Settings.h"

#include <map>
#include <sstream>

namespace
{
// The keys of a comma-separated list; false (and `why`) at the first name that is no key.
bool readKeys(const std::string& list, std::vector<OIS::KeyCode>& keys, std::string& why)
{
    std::istringstream names(list);
    std::string name;
    while (std::getline(names, name, ','))
    {
        OIS::KeyCode key = OIS::KC_UNASSIGNED;
        if (!keyFromName(trimmed(name), key))
        {
            why = "no key is called \"" + trimmed(name) + "\"";
            return false;
        }
        keys.push_back(key);
    }
    if (keys.empty())
        why = "no key given";
    return !keys.empty();
}

// The usual keys with these actions' keys in place.
Bindings withKeys(const std::map<Action, std::vector<OIS::KeyCode>>& chosen)
{
    Bindings bindings = defaultBindings();
    std::string unused;
    for (const auto& [action, keys] : chosen)
        setKeys(bindings, action, keys, unused);
    return bindings;
}
} // namespace

std::string keyList(const std::vector<OIS::KeyCode>& keys)
{
    std::string list;
    for (OIS::KeyCode key : keys)
        list += (list.empty() ? "" : ", ") + keyName(key);
    return list;
}

std::string firstKeyName(const Bindings& bindings, Action action)
{
    const std::vector<OIS::KeyCode> keys = keysFor(bindings, action);
    return keys.empty() ? "" : keyName(keys.front());
}

KeysRead bindingsFromLines(const std::vector<KeyLine>& lines)
{
    KeysRead read;
    std::map<Action, std::vector<OIS::KeyCode>> chosen;
    std::map<Action, std::string> where;
    for (const KeyLine& line : lines)
    {
        Action action = Action::Quit;
        std::vector<OIS::KeyCode> keys;
        std::string why;
        Bindings trial = defaultBindings();
        if (!actionFromName(line.action, action))
            why = "no action is called \"" + line.action + "\"";
        else if (readKeys(line.keys, keys, why) && setKeys(trial, action, keys, why))
        {
            chosen[action] = keys;
            where[action] = line.where;
            continue;
        }
        read.problems.push_back(line.where + ": " + why);
    }
    // A key asked of two actions: each of them the file changed keeps its usual keys, until
    // no key asks for two (the usual keys never do).
    for (bool clash = true; clash;)
    {
        clash = false;
        read.bindings = withKeys(chosen);
        for (const KeyBinding& row : read.bindings.keys)
        {
            Action first = row.action;
            actionOf(read.bindings, row.key, first);
            if (first == row.action)
                continue;
            for (Action action : {first, row.action})
                if (chosen.erase(action) != 0)
                    read.problems.push_back(where[action] + ": " + keyName(row.key) + " also " +
                                            actionDoing(action == first ? row.action : first) +
                                            "; the usual keys are kept");
            clash = true;
            break;
        }
    }
    return read;
}

std::vector<KeyLine> keyLinesFor(const Bindings& bindings)
{
    std::vector<KeyLine> lines;
    for (Action action : actionsOffered())
    {
        const std::vector<OIS::KeyCode> keys = keysFor(bindings, action);
        if (keys != keysFor(defaultBindings(), action))
            lines.push_back({actionName(action), keyList(keys), ""});
    }
    return lines;
}
