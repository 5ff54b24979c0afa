#include "game/FameBrowser.h"

#include "game/Hud.h"
#include "input/FrameInput.h"
#include "input/KeySettings.h"

#include <OgreLogManager.h>

#include <algorithm>

namespace
{
bool browsesTheHall(OIS::KeyCode key)
{
    return key == OIS::KC_UP || key == OIS::KC_DOWN || key == OIS::KC_RETURN ||
           key == OIS::KC_NUMPADENTER;
}
} // namespace

int FameBrowser::frame(const OIS::Keyboard& keyboard, const Bindings& bindings, FameView view,
                       const HallOfFame& hall, FrameInput& input, Hud& hud)
{
    const bool browsing = view == FameView::Browsing;
    if (!browsing)
    {
        keyPresses.forgetTaken();
        if (wasBrowsing)
            written = false;
        wasBrowsing = false;
        // Over a running game the hall says how to watch; a game over wrote its own rows.
        if (view == FameView::OverRunningGame)
        {
            const std::string pause = firstKeyName(bindings, Action::Pause);
            show(hall, -1,
                 "The game is running: " + (pause.empty() ? "P" : pause) +
                     " pauses it, then choose a game to watch",
                 hud);
        }
        else if (view == FameView::Aside)
            show(hall, -1, "", hud);
        return -1;
    }
    // The keys are read only while the hall is browsed: those held as it opens were pressed
    // before it. A new showing starts at the top.
    std::vector<OIS::KeyCode> pressed = keyPresses.read(keyboard);
    if (!wasBrowsing)
    {
        pressed.clear();
        row = 0;
        told.clear();
        written = false;
    }
    wasBrowsing = true;
    const int games = int(hall.entries.size());
    row = std::clamp(row, 0, std::max(games - 1, 0));
    int asked = -1;
    for (OIS::KeyCode key : pressed)
    {
        if (!browsesTheHall(key))
            continue;
        keyPresses.take(key);
        told.clear();
        if (games == 0)
            continue;
        if (key == OIS::KC_UP)
            row = (row + games - 1) % games;
        else if (key == OIS::KC_DOWN)
            row = (row + 1) % games;
        else
            asked = row;
    }
    const auto asks = [this, &keyboard](OIS::KeyCode key)
    { return !browsesTheHall(key) && keyPresses.askingTheGame(keyboard, key); };
    input.actions = actionsHeld(bindings, asks);
    std::string line = told;
    if (line.empty() && !hall.entries.empty())
    {
        const std::string back = firstKeyName(bindings, Action::HallOfFame);
        line = "Up, Down: choose a game    Return: watch it    " +
               (back.empty() ? std::string("Escape: quit") : back + ": back");
    }
    show(hall, hall.entries.empty() ? -1 : row, line, hud);
    return asked;
}

void FameBrowser::skipHeldKeys(const OIS::Keyboard& keyboard)
{
    keyPresses.read(keyboard);
}

void FameBrowser::refuse(const std::string& why, const HallOfFame& hall, Hud& hud)
{
    told = why;
    show(hall, row, told, hud);
}

void FameBrowser::show(const HallOfFame& hall, int marked, const std::string& line, Hud& hud)
{
    if (written && line == footer && marked == shownRow)
        return;
    const std::vector<std::string> rows = fameLines(hall);
    if (marked >= 0 && marked != shownRow)
        Ogre::LogManager::getSingleton().logMessage("The hall of fame points at " +
                                                    rows[std::size_t(marked)]);
    written = true;
    footer = line;
    shownRow = marked;
    hud.fillHallOfFame(rows, marked, line);
}
