#include "input/KeyChooser.h"

#include "input/ActionNames.h"
#include "input/KeyNames.h"
#include "input/KeySettings.h"
#include "rules/Pace.h"

#include <algorithm>
#include <iterator>

KeyChooser::KeyChooser(const Bindings& bindings_, int pacePercent_, bool lastGameThere)
    : bindings(bindings_), pacePercent(pacePercent_), lastGame(lastGameThere)
{
}

bool KeyChooser::takeWatchRequest()
{
    const bool asked = watchAsked;
    watchAsked = false;
    return asked;
}

bool KeyChooser::movesAbout(OIS::KeyCode key)
{
    for (OIS::KeyCode used : {OIS::KC_UP, OIS::KC_DOWN, OIS::KC_LEFT, OIS::KC_RIGHT, OIS::KC_RETURN,
                              OIS::KC_NUMPADENTER, OIS::KC_BACK})
        if (key == used)
            return true;
    return false;
}

bool KeyChooser::onSpeedRow() const
{
    return row == int(actionsOffered().size());
}

bool KeyChooser::onLastGameRow() const
{
    return lastGame && row == int(actionsOffered().size()) + 1;
}

Action KeyChooser::rowAction() const
{
    return actionsOffered()[std::size_t(row)];
}

bool KeyChooser::stepPace(int step, bool wraps)
{
    const int count = int(std::size(kPaces));
    const int* found = std::find(std::begin(kPaces), std::end(kPaces), pacePercent);
    const int at = found == std::end(kPaces) ? count - 1 : int(found - std::begin(kPaces));
    const int next = wraps ? (at + step + count) % count : std::clamp(at + step, 0, count - 1);
    const bool changed = kPaces[next] != pacePercent;
    pacePercent = kPaces[next];
    return changed;
}

bool KeyChooser::offer(OIS::KeyCode key, bool swap)
{
    const KeyChange change = giveKey(bindings, rowAction(), key, swap);
    note.clear();
    switch (change.outcome)
    {
    case KeyChange::Done:
        state = State::Choosing;
        return true;
    case KeyChange::Taken:
        state = State::KeyInUse;
        candidate = key;
        other = change.takenBy;
        return false;
    case KeyChange::Refused:
        state = State::WaitingForKey;
        note = keyName(key) + ": " + change.why;
        return false;
    }
    return false;
}

bool KeyChooser::press(OIS::KeyCode key)
{
    // Escape and Q quit the game around the panel, whatever it waits for.
    if (key == OIS::KC_ESCAPE || key == OIS::KC_Q)
        return false;
    told.clear();
    if (state == State::KeyInUse && key == OIS::KC_RETURN)
        return offer(candidate, true);
    if (state != State::Choosing)
    {
        if (key == OIS::KC_BACK)
        {
            state = State::Choosing;
            note.clear();
            return false;
        }
        if (keyName(key).empty())
            return false;
        return offer(key, false);
    }
    const int rowCount = int(actionsOffered().size()) + 1 + int(lastGame);
    switch (key)
    {
    case OIS::KC_UP:
        row = (row + rowCount - 1) % rowCount;
        return false;
    case OIS::KC_DOWN:
        row = (row + 1) % rowCount;
        return false;
    case OIS::KC_LEFT:
    case OIS::KC_RIGHT:
        if (!onSpeedRow())
            return false;
        // Left is slower and Right faster, down to the slowest and up to full speed.
        return stepPace(key == OIS::KC_LEFT ? -1 : 1, false);
    case OIS::KC_RETURN:
    case OIS::KC_NUMPADENTER:
        if (onSpeedRow())
            return stepPace(1, true); // Return goes round all three
        if (onLastGameRow())
        {
            watchAsked = true;
            return false;
        }
        state = State::WaitingForKey;
        note.clear();
        return false;
    default:
        return false;
    }
}

std::vector<ChooserRow> KeyChooser::rows() const
{
    std::vector<ChooserRow> shown;
    for (Action action : actionsOffered())
        shown.push_back({actionCaption(action), keyList(keysFor(bindings, action))});
    // Alt with a new-game key goes full screen too, as desktops have it.
    const std::string newGame = firstKeyName(bindings, Action::NewGame);
    if (!newGame.empty())
        shown[std::size_t(
                  std::find(actionsOffered().begin(), actionsOffered().end(), Action::FullScreen) -
                  actionsOffered().begin())]
            .value += ", Alt+" + newGame;
    shown.push_back({"Game speed", std::to_string(pacePercent) + " %"});
    if (lastGame)
        shown.push_back({"The last game", "Return: watch it"});
    return shown;
}

std::string KeyChooser::prompt() const
{
    switch (state)
    {
    case State::WaitingForKey:
        return (note.empty() ? "" : note + ". ") + "Press a key for " + actionCaption(rowAction()) +
               " (Backspace: cancel)";
    case State::KeyInUse:
        return keyName(candidate) + " already " + actionDoing(other) +
               ": Return swaps, Backspace keeps";
    case State::Choosing:
        break;
    }
    if (!told.empty())
        return told;
    if (onLastGameRow())
    {
        const std::string back = firstKeyName(bindings, Action::HallOfFame);
        return "Up, Down: choose a row; Return: watch the last game here (" +
               (back.empty() ? keyName(OIS::KC_TAB) : back) + ": back to this one)";
    }
    return onSpeedRow() ? "Up, Down: choose a row; Left, Right: game speed, from the next game"
                        : "Up, Down: choose a row; Return: choose its key";
}
