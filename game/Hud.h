#pragma once

#include "game/HudLayout.h"
#include "input/KeyChooser.h"

#include <string>
#include <vector>

namespace Ogre
{
class Overlay;
}

// The HUD beside the score line: the best score (top right), the "F1: controls" hint, the
// sound-off marker, the controls panel, and under the banner the "NEW BEST!" line and the
// way to a new game. Each piece is optional: resources without one play on without it.
class Hud
{
public:
    Hud();

    void showBest(int score);
    // The hint at the bottom left names the button that opens the controls on the device in
    // use: F1, or the pad's Back.
    void showControlsHint(bool shown, bool onPad);
    // Any other hint in the same place (how to leave a game watched inside this one); empty
    // hides it.
    void showHint(const std::string& text);
    // F1: the panel that lists every key.
    void toggleControls();
    // The panel's rows (each action with its keys, the game speed), the row picked (-1:
    // none) and the line under them (how to choose a key, or what became of one).
    void showControls(const std::vector<ChooserRow>& rows, int selected, const std::string& prompt);
    bool controlsShown() const;
    void showSoundOff(bool off);
    // The game speed, shown only below full speed.
    void showPace(int percent);
    void showNewBest(bool shown);
    // "Press Return for a new game", naming the pad's button when a pad is there.
    void showNewGameHint(bool shown, bool withPad);
    // The hall of fame's rows under its title, the row `marked` (-1: none) pointed at, and a
    // line under them (how to choose a game to watch, or why it cannot be).
    void fillHallOfFame(const std::vector<std::string>& rows, int marked,
                        const std::string& footer = "");
    void showHallOfFame(bool shown);
    bool hallOfFameShown() const;
    // "REPLAY" and how the recorded game is being watched; empty hides it.
    void showReplay(const std::string& text);
    // The controls panel says where a game's replay was kept, under the label (empty path:
    // nowhere, or the game is on again).
    void noteReplayKept(const std::string& path, const std::string& label = "This game's replay");
    // Lays the HUD out for a window of this size.
    void fitTo(unsigned width, unsigned height) { layout.fitTo(width, height); }
    // Lays the HUD out as the scripts placed it, for another HUD to take it from there.
    void fitToDesign() { layout.fitToDesign(); }

private:
    void writeControls();

    Ogre::Overlay* hud = nullptr;
    Ogre::Overlay* controls = nullptr;
    Ogre::Overlay* newBest = nullptr;
    Ogre::Overlay* newGame = nullptr;
    Ogre::Overlay* fame = nullptr;
    HudLayout layout;
    std::vector<ChooserRow> controlRows;
    int selectedRow = -1;
    std::string controlsPrompt;
    std::string replayLabel, replayPath; // the note under the rows, when a replay was kept
    bool hintWritten = false;
    std::string hint; // as last written; empty: hidden
};
