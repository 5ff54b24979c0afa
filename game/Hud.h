#pragma once

namespace Ogre
{
class Overlay;
}

// The HUD beside the score line: the best score (top right), the "F1: controls" hint, the
// sound-off marker, the controls panel and the "NEW BEST!" line under the banner. Each
// piece is optional: resources without one play on without it.
class Hud
{
public:
    Hud();

    void showBest(int score);
    // F1: the panel that lists every key; it does not stop the game.
    void toggleControls();
    bool controlsShown() const;
    void showSoundOff(bool off);
    void showNewBest(bool shown);

private:
    Ogre::Overlay* hud = nullptr;
    Ogre::Overlay* controls = nullptr;
    Ogre::Overlay* newBest = nullptr;
};
