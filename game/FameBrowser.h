#pragma once

#include "input/Bindings.h"
#include "input/KeyPresses.h"
#include "rules/HallOfFame.h"

#include <string>
#include <vector>

class Hud;
struct FrameInput;

// How the hall of fame stands in this frame.
enum class FameView
{
    Aside,           // hidden, or under the controls panel, in a game in play
    OverRunningGame, // shown over a game set going again behind it (P)
    Browsing,        // shown over a game that waits
    AfterGameOver,   // the game is over: the hall shows what the game's end wrote in it
};

// The hall of fame as the player browses it over a game that waits: Up and Down choose a
// game, Return asks to watch it. While it is browsed those keys ask the game for nothing
// else; Escape and Q quit, and the hall's own key closes it, as everywhere.
class FameBrowser
{
public:
    // One frame of the live keyboard. Returns the row the player asked to watch, or -1.
    int frame(const OIS::Keyboard& keyboard, const Bindings& bindings, FameView view,
              const HallOfFame& hall, FrameInput& input, Hud& hud);
    // The keys down now were pressed before (while a game was watched inside this one).
    void skipHeldKeys(const OIS::Keyboard& keyboard);
    // Why the chosen game cannot be watched, under the rows until the next key.
    void refuse(const std::string& why, const HallOfFame& hall, Hud& hud);

private:
    void show(const HallOfFame& hall, int marked, const std::string& line, Hud& hud);

    KeyPresses keyPresses; // read while the hall is browsed
    bool wasBrowsing = false;
    int row = 0;
    std::string told;     // why the chosen game cannot be watched
    bool written = false; // the rows below are on the HUD
    std::string footer;   // as last shown
    int shownRow = -1;
};
