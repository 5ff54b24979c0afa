#pragma once

#include "game/GameSounds.h"
#include "game/Hud.h"
#include "scene/FishCues.h"

#include <memory>
#include <vector>

namespace Ogre
{
class SceneManager;
}
class Gamepads;
class Platform;
struct GameSettings;
struct Panel;

// What the player sees and hears besides the tank: the HUD, the marks over the fish, the
// two sounds and the pads' rumble.
struct GamePresentation
{
    // Opens the sounds now: opening the sound device mid-game would stall the first meal.
    explicit GamePresentation(Platform& platform);

    // Makes the marks over the tank and applies the player's lasting choices.
    void start(Ogre::SceneManager* scene, const Panel& tank, const GameSettings& chosen);
    // Sounds off or on (M); true when they are on now.
    bool switchSound();
    // Marks off or on (H); true when they are shown now.
    bool switchMarks();
    // The marks follow the fish, and the hook while it is in the water (null when not).
    void placeMarks(const Fish& player, const std::vector<Fish>& fishes, const Rect* hook);
    // A rumble on the pads (none: null), unless the player switched it off.
    static void rumble(Gamepads* pads, const GameSettings& chosen, float strength,
                       int milliseconds);
    // The hall of fame shown or hidden (Tab flips it); the log says so when it changes, for
    // whoever waits on it.
    void showHallOfFame(bool shown);
    void toggleHallOfFame() { showHallOfFame(!hud.hallOfFameShown()); }
    // The controls panel names the replay of a last game that ended on an error, once.
    void showLastErrorNote(Platform& platform);

    Hud hud;
    GameSounds sounds;
    std::unique_ptr<FishCues> cues; // made at the start, once the tank is built
};
