#pragma once

#include "input/Bindings.h"
#include "input/FrameInput.h"
#include "input/InputSystem.h"
#include "input/ListenerState.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OISKeyboard.h>
#include <OgreFrameListener.h>
#include <OgreVector.h>

#include <memory>
#include <vector>

namespace Ogre
{
class Overlay;
}
struct Fish;
struct Panel;
class Gamepads;
class Platform;

// Commands beyond the classic keys, for the game to carry out after the input of a frame.
// Each is set only in the frame in which its key or button goes down.
struct ExtraCommands
{
    bool newGame = false;          // Return, keypad Enter, or the gamepad's first button
    bool toggleControls = false;   // F1
    bool toggleHallOfFame = false; // Tab
    bool toggleSound = false;      // M
    bool toggleCues = false;       // H
    bool toggleFullScreen = false; // F11, or Return with Alt held
};

// The per-frame driver: reads the keyboard and mouse once a frame (unbuffered), runs the
// global keys, moves the player's fish inside the tank and follows the window's resize
// and close. It holds the input system it is given and gives it back on close or when it
// goes; the fields are the game's shared vocabulary, read by the game rules.
class ExampleFrameListener : public Ogre::FrameListener, public OgreBites::WindowEventListener
{
public:
    // Reads the given input, sleeps for the pause key and plays sounds through the platform.
    ExampleFrameListener(Ogre::RenderWindow* window, Ogre::Camera* camera,
                         std::unique_ptr<InputSystem> input, Platform& platform);
    ExampleFrameListener(const ExampleFrameListener&) = delete;
    ExampleFrameListener& operator=(const ExampleFrameListener&) = delete;
    ~ExampleFrameListener() override;

    // Reads the devices and plays the frame on what they said; false ends the render loop.
    bool frameStarted(const Ogre::FrameEvent& evt) override;
    // What the devices say now, their news (a pad come or gone) logged; nothing once they
    // are given back.
    FrameInput readInput();
    bool frameEnded(const Ogre::FrameEvent& evt) override;
    // One frame of the given length on this frame's `input`: the key and mouse commands and
    // the steering; false means quit. A recorded game is played again through here.
    virtual bool playFrame(float dt);
    // The keyboard commands of one frame; false means quit.
    bool handleKeys();

    void windowResized(Ogre::RenderWindow* rw) override;
    void windowClosed(Ogre::RenderWindow* rw) override;
    // A window that loses the focus it had pauses a running game, as P does.
    void windowFocusChange(Ogre::RenderWindow* rw) override;

    // A right-button drag moves the player's fish.
    void handleMouse();
    // The gamepads: the left stick swims at the speed it leans to, the D-pad like the
    // arrow keys; Start works as P, Back as F1 and South (A, cross) as Return after game
    // over. A pad pulled out pauses a running game.
    void handleGamepads();
    // Asks for the pause banner, as P does; a recorded loss of focus is played through here.
    void showPause();
    // Applies this frame's movement when the fish then lies strictly inside the tank.
    void steerPlayer();
    // What the keys and display were when a recorded game began, and taking them over
    // when it is played again.
    ListenerState state() const;
    void takeOver(const ListenerState& state);
    // Gives the devices back now (before an error box needs them); repeatable.
    void releaseInput();
    // The mouse (its window size follows the window's) and the gamepads (rumbled on a meal
    // and at GAME OVER) while the devices are held; null once given back, or when there are
    // none.
    OIS::Mouse* mouse() const;
    Gamepads* gamepads() const;

    // The game's records, set by the wiring right after construction; not owned.
    Ogre::SceneNode* hookNode = nullptr;
    Fish* player = nullptr;
    Panel* background = nullptr;
    std::vector<Fish>* fishes = nullptr;
    // The scene's camera and window, from the constructor; not owned.
    Ogre::Camera* camera;
    // This frame's movement request: zeroed each frame, set by the keys and the mouse.
    Ogre::Vector3 translation = Ogre::Vector3::ZERO;
    Ogre::RenderWindow* window;
    // Written by the key commands only.
    bool statsOn = true;
    bool paused = false;
    unsigned screenshotCount = 0;
    // World units the player may move this frame: moveSpeed times the frame time.
    float moveScale = 0;
    // Seconds until the next gated key acts; counted down every frame, set by the keys.
    float toggleDelay = 0;
    int filtering = 1; // Ogre::TFO_BILINEAR; cycled by T
    unsigned anisotropy = 1;
    int sceneDetail = 0; // polygon mode 0..2; cycled by R
    float moveSpeed;
    // The game speed the player chose: the share of real time the tank's time runs at, the
    // player's fish included; the toggle delays keep to real time.
    float pace = 1.0f;
    // Looked up once at construction; the score overlay may be missing (null).
    Ogre::Overlay* scoreOverlay = nullptr;
    Ogre::Overlay* gameOverOverlay = nullptr;
    // The devices; null once they have been given back.
    std::unique_ptr<InputSystem> inputManager;
    int gamepadsConnected = 0; // as the pads were last read
    bool padInUse = false;     // a pad, not the keyboard or mouse, was touched last
    // Sleeps for the pause key and plays the game's sounds; outlives the listener.
    Platform& platform;
    // Which keys ask for which actions; today's keys unless the player chose others.
    Bindings bindings = defaultBindings();
    // What the devices (or a recorded game) said in this frame.
    FrameInput input;
    // A recorded game played again: its screenshots are not written again, and the
    // window's own focus does not pause it (the recorded losses of focus do).
    bool watching = false;
    // A watched game's recorded window shape, shown whole inside this window (0: the
    // window's own shape).
    float shownAspect = 0;
    // A loss of focus paused the game since the last frame (for the recording to note).
    bool focusPaused = false;
    // This frame's extra commands: cleared every frame, set by the keys and the gamepad.
    ExtraCommands extras;

private:
    // Keys and buttons that act once per press, and whether they were down last frame.
    struct HeldLastFrame
    {
        bool controls = false;
        bool sound = false;
        bool enter = false;
        bool cues = false;
        bool fullScreen = false;
        bool start = false;
        bool south = false;
        bool back = false;
        bool hallOfFame = false;
    };

    // A key asking for the action is held in this frame.
    bool asked(Action action) const;
    void applyFiltering();
    void readExtraKeys();
    void hidePause();
    // A toggle key acts when held and the toggle delay has run out; it then restarts the delay.
    bool gateOpens(Action action, float delayAfter);
    void togglePause();
    void applyMovementKeys();
    void applyToggleKeys();
    void toggleStats();
    void nextFiltering();
    void takeScreenshot();
    void nextPolygonMode();

    HeldLastFrame held;
    bool hadFocus = false; // the window has had the keyboard focus since it last lost it
};
