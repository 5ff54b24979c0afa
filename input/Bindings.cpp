#include "input/Bindings.h"

#include "input/ActionNames.h"

#include <algorithm>

Action oppositeSwim(Action action)
{
    switch (action)
    {
    case Action::SwimLeft:
        return Action::SwimRight;
    case Action::SwimRight:
        return Action::SwimLeft;
    case Action::SwimUp:
        return Action::SwimDown;
    case Action::SwimDown:
        return Action::SwimUp;
    default:
        return action;
    }
}

const Bindings& defaultBindings()
{
    static const Bindings table{{
        {OIS::KC_P, Action::Pause},         {OIS::KC_F1, Action::Controls},
        {OIS::KC_M, Action::Sound},         {OIS::KC_H, Action::Marks},
        {OIS::KC_RETURN, Action::NewGame},  {OIS::KC_NUMPADENTER, Action::NewGame},
        {OIS::KC_LMENU, Action::Alt},       {OIS::KC_RMENU, Action::Alt},
        {OIS::KC_F11, Action::FullScreen},  {OIS::KC_A, Action::SwimLeft},
        {OIS::KC_D, Action::SwimRight},     {OIS::KC_UP, Action::SwimUp},
        {OIS::KC_W, Action::SwimUp},        {OIS::KC_DOWN, Action::SwimDown},
        {OIS::KC_S, Action::SwimDown},      {OIS::KC_PGUP, Action::SwimUp},
        {OIS::KC_PGDOWN, Action::SwimDown}, {OIS::KC_RIGHT, Action::SwimRight},
        {OIS::KC_LEFT, Action::SwimLeft},   {OIS::KC_F, Action::ScoreLine},
        {OIS::KC_T, Action::Filtering},     {OIS::KC_SYSRQ, Action::Screenshot},
        {OIS::KC_R, Action::DrawingMode},   {OIS::KC_ESCAPE, Action::Quit},
        {OIS::KC_Q, Action::Quit},          {OIS::KC_TAB, Action::HallOfFame},
    }};
    return table;
}

std::uint32_t actionsHeld(const Bindings& bindings,
                          const std::function<bool(OIS::KeyCode)>& keyDown)
{
    std::uint32_t held = 0;
    for (const KeyBinding& binding : bindings.keys)
    {
        if (!keyDown(binding.key))
            continue;
        held |= 1u << int(binding.action);
        const Action opposite = oppositeSwim(binding.action);
        if (opposite != binding.action)
            held &= ~(1u << int(opposite));
    }
    return held;
}

namespace
{
bool alwaysQuits(OIS::KeyCode key)
{
    return key == OIS::KC_ESCAPE || key == OIS::KC_Q;
}

bool isAlt(OIS::KeyCode key)
{
    return key == OIS::KC_LMENU || key == OIS::KC_RMENU;
}

// Why the key cannot ask for the action; empty when it can.
std::string refusal(Action action, OIS::KeyCode key)
{
    if (action == Action::Alt || isAlt(key))
        return "Alt stays for Alt+Return";
    if (alwaysQuits(key) && action != Action::Quit)
        return "Escape and Q always quit";
    return "";
}

// Removes the action's rows but the one at `kept` (an index; -1 keeps none).
void dropRowsOf(Bindings& bindings, Action action, long kept)
{
    std::vector<KeyBinding> rows;
    for (std::size_t i = 0; i < bindings.keys.size(); ++i)
        if (bindings.keys[i].action != action || long(i) == kept)
            rows.push_back(bindings.keys[i]);
    bindings.keys = rows;
}
} // namespace

std::vector<OIS::KeyCode> keysFor(const Bindings& bindings, Action action)
{
    std::vector<OIS::KeyCode> keys;
    for (const KeyBinding& binding : bindings.keys)
        if (binding.action == action)
            keys.push_back(binding.key);
    return keys;
}

bool actionOf(const Bindings& bindings, OIS::KeyCode key, Action& action)
{
    for (const KeyBinding& binding : bindings.keys)
        if (binding.key == key)
        {
            action = binding.action;
            return true;
        }
    return false;
}

KeyChange giveKey(Bindings& bindings, Action action, OIS::KeyCode key, bool swap)
{
    KeyChange change;
    change.why = refusal(action, key);
    if (!change.why.empty())
    {
        change.outcome = KeyChange::Refused;
        return change;
    }
    Action other = action;
    const bool taken = actionOf(bindings, key, other) && other != action;
    if (taken && !swap)
    {
        change.outcome = KeyChange::Taken;
        change.takenBy = other;
        return change;
    }
    const std::vector<OIS::KeyCode> old = keysFor(bindings, action);
    if (action == Action::Quit)
    {
        if (!taken && !old.empty() && std::find(old.begin(), old.end(), key) != old.end())
            return change;
        if (taken && keysFor(bindings, other).size() < 2)
        {
            change.outcome = KeyChange::Refused;
            change.why = "it is the only key that " + std::string(actionDoing(other));
            return change;
        }
        auto& rows = bindings.keys;
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [key](const KeyBinding& row) { return row.key == key; }),
                   rows.end());
        rows.push_back({key, Action::Quit});
        return change;
    }
    for (KeyBinding& binding : bindings.keys)
        if (taken && binding.key == key)
        {
            if (old.empty())
                binding.action = action; // nothing to give back: the row becomes this one's
            else
                binding.key = old.front();
            break;
        }
    // The row kept: the key's own among the action's, else the action's first.
    long kept = -1;
    for (std::size_t i = 0; i < bindings.keys.size(); ++i)
        if (bindings.keys[i].action == action && (kept < 0 || bindings.keys[i].key == key))
        {
            kept = long(i);
            if (bindings.keys[i].key == key)
                break;
        }
    if (kept < 0)
        bindings.keys.push_back({key, action});
    else
    {
        bindings.keys[std::size_t(kept)].key = key;
        dropRowsOf(bindings, action, kept);
    }
    return change;
}

bool setKeys(Bindings& bindings, Action action, const std::vector<OIS::KeyCode>& keys,
             std::string& why)
{
    std::vector<OIS::KeyCode> wanted;
    if (action == Action::Quit)
        wanted = {OIS::KC_ESCAPE, OIS::KC_Q};
    for (OIS::KeyCode key : keys)
    {
        why = refusal(action, key);
        if (!why.empty())
            return false;
        if (std::find(wanted.begin(), wanted.end(), key) == wanted.end())
            wanted.push_back(key);
    }
    std::size_t next = 0;
    std::vector<KeyBinding> rows;
    for (const KeyBinding& binding : bindings.keys)
    {
        if (binding.action != action)
            rows.push_back(binding);
        else if (next < wanted.size())
            rows.push_back({wanted[next++], action});
    }
    for (; next < wanted.size(); ++next)
        rows.push_back({wanted[next], action});
    bindings.keys = rows;
    return true;
}
