#pragma once

#include "game/BestScoreFile.h"
#include "game/GameSounds.h"
#include "game/Hud.h"
#include "input/ExampleFrameListener.h"
#include "rules/GameTuning.h"

#include <string>

class Dice;

// The clocks of the game rules; they run only while the game is not paused.
struct GameTimers
{
    float spawnTimer = game_tuning::kFirstSpawnDelay; // until the next fish
    float hookTimer = 0.0f; // until the hook next drops in or is pulled out
    bool hookTimerDrawn = false;
    bool hookShown = false;
};

// The game's frame listener: after the input of the frame, it carries out the extra
// commands (controls panel, sound, a new game after game over) and runs the tank's rules:
// timers, hook, spawning, eating or dying, the hook's bite, swimming and leaving.
class CameraTrackListener : public ExampleFrameListener
{
public:
    // Draws every chance of the game from the dice, which outlive the listener.
    CameraTrackListener(Ogre::RenderWindow* window, Ogre::Camera* camera,
                        std::unique_ptr<InputSystem> input, Platform& platform, Dice& dice);

    bool frameStarted(const Ogre::FrameEvent& evt) override;

    // True when the hook has reached the fish.
    bool touchesHook(Fish fish) const;

    // Written only by the rules of each frame; tests and benchmarks read them.
    const GameTimers& clocks() const { return timers; }
    const Hud& heads() const { return hud; }
    const GameSounds& sound() const { return sounds; }
    int bestScore() const { return best.best(); }

private:
    // The controls panel, the sound switch and a new game; true when a new game began.
    bool carryOutExtras();
    // Every other fish leaves, the player starts again, and the clocks with it.
    void startNewGame();
    void advanceTimers(float dt);
    void moveHook();
    void spawnFish();
    void eatOrDie();
    void checkHook();
    void swimAndLeave(float dt);
    void loseGame();

    GameTimers timers;
    Dice& dice;
    GameSounds sounds;
    BestScoreFile best;
    Hud hud;
    // The score line as the resources give it, shown again at a new game.
    std::string startingScoreLine;
};
