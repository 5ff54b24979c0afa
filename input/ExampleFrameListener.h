#pragma once

#include "input/InputDevices.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OISKeyboard.h>
#include <OgreFrameListener.h>
#include <OgreVector.h>

#include <vector>

namespace OIS
{
class InputManager;
}
namespace Ogre
{
class Overlay;
}
struct Fish;
struct Panel;
class Platform;

// The per-frame driver: reads the keyboard and mouse once a frame (unbuffered), runs the
// global keys, moves the player's fish inside the tank and follows the window's resize
// and close. It owns the input system when it made it itself; the fields are the game's
// shared vocabulary and are read by the game rules and the score display.
class ExampleFrameListener : public Ogre::FrameListener, public OgreBites::WindowEventListener
{
public:
    // The game's way: creates the input system and devices from the window.
    ExampleFrameListener(Ogre::RenderWindow* window, Ogre::Camera* camera);
    // Reads the devices given (not owned) and uses the platform given for the pause sleep.
    ExampleFrameListener(Ogre::RenderWindow* window, Ogre::Camera* camera,
                         const InputDevices& devices, Platform& platform);
    ExampleFrameListener(const ExampleFrameListener&) = delete;
    ExampleFrameListener& operator=(const ExampleFrameListener&) = delete;
    ~ExampleFrameListener() override;

    // Reads input, runs the key and mouse commands and steers; false ends the render loop.
    bool frameStarted(const Ogre::FrameEvent& evt) override;
    bool frameEnded(const Ogre::FrameEvent& evt) override;
    // The keyboard commands of one frame; false means quit.
    virtual bool handleKeys(const Ogre::FrameEvent& evt);

    void windowResized(Ogre::RenderWindow* rw) override;
    void windowClosed(Ogre::RenderWindow* rw) override;

    // A right-button drag moves the player's fish; always true.
    bool handleMouse();
    // Applies this frame's movement when the fish then lies strictly inside the tank.
    void steerPlayer();
    // Destroys the devices and the input system if this listener made them; repeatable.
    void releaseInput();

    Ogre::SceneNode* hookNode = nullptr;
    Fish* player = nullptr;
    Panel* background = nullptr;
    std::vector<Fish>* fishes = nullptr;
    Ogre::Camera* camera;
    Ogre::Vector3 translation = Ogre::Vector3::ZERO;
    Ogre::RenderWindow* window;
    bool statsOn = true;
    bool paused = false;
    unsigned screenshotCount = 0;
    float moveScale = 0;
    float toggleDelay = 0;
    int filtering = 1; // Ogre::TFO_BILINEAR
    unsigned anisotropy = 1;
    int sceneDetail = 0;
    float moveSpeed;
    Ogre::Overlay* scoreOverlay = nullptr;
    Ogre::Overlay* gameOverOverlay = nullptr;
    OIS::InputManager* inputManager = nullptr;
    OIS::Mouse* mouse = nullptr;
    OIS::Keyboard* keyboard = nullptr;
    OIS::JoyStick* joystick = nullptr;
    // Sleeps for the pause key and plays the game's sounds.
    Platform& platform;

private:
    void findOverlays();
    void createInput();
    void finishConstruction();
    bool keyDown(OIS::KeyCode key) const;
    // A toggle key acts when held and the toggle delay has run out; it then restarts the delay.
    bool gateOpens(OIS::KeyCode key, float delayAfter);
    void togglePause();
    void applyMovementKeys();
    void applyToggleKeys();
    void toggleStats();
    void nextFiltering();
    void takeScreenshot();
    void nextPolygonMode();
    void showScoreOverlayToMatch();
};
