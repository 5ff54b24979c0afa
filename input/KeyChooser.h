#pragma once

#include "input/Bindings.h"

#include <OISKeyboard.h>

#include <string>
#include <vector>

// One row of the controls panel: what it sets and how it stands ("Swim left", "A, Left").
struct ChooserRow
{
    std::string caption;
    std::string value;
};

// Choosing keys and the game speed in the controls panel, one key press at a time. Up and
// Down pick a row; Return on an action waits for a key, which becomes the action's key;
// a key in use is named and Return swaps, Backspace keeps. Backspace cancels a wait. Left,
// Right or Return on the speed row change the speed. When a last game is there to watch, a
// row after the speed offers it: Return on it asks to watch. Escape and Q are not taken:
// they quit.
class KeyChooser
{
public:
    KeyChooser(const Bindings& bindings, int pacePercent, bool lastGameThere = false);

    // A key going down while the panel shows; true when the keys or the speed changed.
    bool press(OIS::KeyCode key);
    // Waiting for a key, or for the answer about a key in use: no key acts but Escape and Q.
    bool waiting() const { return state != State::Choosing; }
    // The keys that move about the panel (the arrows, Return, Backspace): while it shows
    // they ask for nothing else.
    static bool movesAbout(OIS::KeyCode key);

    const Bindings& keys() const { return bindings; }
    int pace() const { return pacePercent; }
    // Return on the last game's row asked to watch it (said once).
    bool takeWatchRequest();
    // Says why the last game cannot be watched, in place of the prompt until the next key.
    void tell(const std::string& text) { told = text; }
    // Every action offered with its keys, then the game speed and the last game; `selected`
    // is the row picked.
    std::vector<ChooserRow> rows() const;
    int selected() const { return row; }
    // What the player may do now, or what became of the last key pressed.
    std::string prompt() const;

private:
    enum class State
    {
        Choosing,
        WaitingForKey,
        KeyInUse, // `candidate` asks for `other`
    };
    bool onSpeedRow() const;
    bool onLastGameRow() const;
    Action rowAction() const;
    bool offer(OIS::KeyCode key, bool swap);
    // The next game speed, `step` along; false when it stays as it was.
    bool stepPace(int step, bool wraps);

    Bindings bindings;
    int pacePercent;
    int row = 0;
    State state = State::Choosing;
    OIS::KeyCode candidate = OIS::KC_UNASSIGNED;
    Action other = Action::Quit;
    std::string note; // why the last key was refused
    bool lastGame;    // a last game is there to watch
    bool watchAsked = false;
    std::string told;
};
