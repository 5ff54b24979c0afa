#pragma once

#include "app/HeadlessEngine.h"
#include "game/TankScene.h"
#include "support/FakeDevices.h"
#include "support/ScriptedDice.h"

#include <OgreLog.h>
#include <OgrePrerequisites.h>

#include <memory>
#include <string>
#include <vector>

class CameraTrackListener;

// Keeps every engine log line so a test can look for one.
class LogCatcher : public Ogre::LogListener
{
public:
    void messageLogged(const Ogre::String& message, Ogre::LogMessageLevel, bool,
                       const Ogre::String&, bool&) override
    {
        lines.push_back(message);
    }
    int count(const std::string& line) const;

    std::vector<std::string> lines;
};

// A bare engine, no render system and no window: scene nodes, billboard sets, the
// game's materials as shipped (their pictures named, never read) and its overlays. The
// log goes to a file.
class WindowlessEngine
{
public:
    using Options = BareOverlays;
    WindowlessEngine();
    explicit WindowlessEngine(Options options);
    ~WindowlessEngine();

    std::string caption(const std::string& element) const;
    bool overlayVisible(const std::string& overlay) const;
    bool elementVisible(const std::string& element) const;
    // Scene nodes and billboard sets that exist right now.
    size_t sceneNodeCount() const;
    size_t billboardSetCount() const;
    // Every pass of the materials the game's script made.
    std::vector<Ogre::Pass*> gamePasses() const;
    // Listeners told of every render queue the scene manager draws.
    size_t renderQueueListenerCount() const;

    std::unique_ptr<Ogre::LogManager> logs;
    LogCatcher logCatcher;
    std::unique_ptr<HeadlessEngine> headless;
    std::unique_ptr<Ogre::SceneManager> ownScene;
    Ogre::SceneManager* scene = nullptr;
};

// Adds another fish to the scene at (x, y), as the spawner would make it.
Fish makeFish(Ogre::SceneManager* scene, Panel* tank, float x, float y, int width,
              int direction = -1, int speed = 0, bool shark = false);

// A window-less engine with the tank and the game's listener, built and wired by the game's
// own code, on fake devices. The listener draws from the scripted dice unless it is handed
// other dice.
class PlayableTank
{
public:
    explicit PlayableTank(Dice* otherDice = nullptr, bool withJoystick = false,
                          Gamepads* gamepads = nullptr);
    ~PlayableTank();

    // Runs one frame of the given length; returns what the listener returned.
    bool frame(float seconds);
    // Holds the keys for one frame, then lets go of them; returns what the listener returned.
    bool tap(std::initializer_list<OIS::KeyCode> keys, float seconds = 0.1f);
    // Puts a fish into the tank's list of other fish.
    Fish& addFish(float x, float y, int width, int direction = -1, int speed = 0,
                  bool shark = false);
    Ogre::Vector3 playerPosition() const;

    WindowlessEngine engine;
    FakeWindow window{1024, 768};
    Ogre::Camera* camera = nullptr;
    FakeKeyboard keyboard;
    FakeMouse mouse;
    FakeJoyStick joystick; // lent to the listener only when asked for
    bool inputReleased = false;
    RecordingPlatform platform;
    ScriptedDice dice;
    TankRecords world;
    std::unique_ptr<CameraTrackListener> listener;
};

// A simple player steering by the tank's records: holds the keys that swim toward the nearest
// fish it may eat and, when careful, away from any it may not (the stored games' player).
void steer(PlayableTank& tank, bool careful);
