#pragma once

#include "game/MarkedLog.h"
#include "game/ReplayFormat.h"
#include "game/SharedLook.h"
#include "game/TankScene.h"
#include "input/FrameInput.h"
#include "platform/Dice.h"
#include "platform/SandboxPlatform.h"
#include "rules/HallOfFame.h"

#include <OgreFrameListener.h>

#include <memory>

class CameraTrackListener;
class SolidDrawing;
namespace OIS
{
class Keyboard;
}

// A recorded game watched inside the live one, in the same window: a tank, camera and game
// of its own, played from the recording with the replay's keys (P, 1 to 4). Its files are
// in memory and its dice draw from a sequence of their own, so nothing it does reaches the
// live game, its files or its chances; the window shows its camera while it plays, and the
// live game's look comes back whole when it goes.
class WatchedGame
{
public:
    enum class Step
    {
        Watching,
        Back, // the player asked to go back to the live game
        Quit,
    };

    // Starts watching the recording in `window`; `liveLook` is how the live game looked,
    // put back when this goes, `backHint` says how to go back, and `hall` is what the
    // watched game's hall of fame lists.
    WatchedGame(Ogre::RenderWindow* window, Platform& platform, ReplayTape tape,
                SharedLook liveLook, const std::string& backHint, const HallOfFame& hall);
    ~WatchedGame();
    WatchedGame(const WatchedGame&) = delete;
    WatchedGame& operator=(const WatchedGame&) = delete;

    // One drawn frame. `asked` is what the player's keys ask of the live game: its hall of
    // fame or controls key goes back once let go, and its quit keys quit; `keys` is the
    // keyboard the replay's own keys are read from.
    Step frame(const Ogre::FrameEvent& evt, const FrameInput& asked, OIS::Keyboard* keys);

private:
    // Puts the live game's look back last, whatever else went wrong.
    struct LookKeeper
    {
        SharedLook look;
        ~LookKeeper() { look.restore(); }
    };
    // The watched tank's scene, gone after everything in it.
    struct OwnScene
    {
        OwnScene();
        ~OwnScene();
        Ogre::SceneManager* scene;
    };

    LookKeeper liveLook;
    MarkedLog ownLog{"Watched game: "}; // its log lines, in the game's log
    SeparateDiceSequence chances;
    OwnScene own;
    Ogre::Camera* camera;
    TankRecords tank;
    SandboxPlatform sandbox;
    ReplayDice dice;
    std::unique_ptr<SolidDrawing> solidDrawing;
    std::unique_ptr<CameraTrackListener> game;
    Ogre::Viewport* viewport = nullptr;
    Ogre::Camera* liveCamera = nullptr;
    std::string hint;     // how to go back, where the controls hint is
    bool backHeld = true; // the way back is asked once it is let go after a press
    bool backPressed = false;
};
