#include "input/ExampleFrameListener.h"

#include "app/DesktopPlatform.h"
#include "input/InputTuning.h"

#include <OIS.h>
#include <Ogre.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

#include <cstdint>
#include <string>

namespace
{
constexpr const char* kLoggingLine = "*** THE LOGGING IS WORKING ***";
}

ExampleFrameListener::ExampleFrameListener(Ogre::RenderWindow* window_, Ogre::Camera* camera_)
    : camera(camera_), window(window_), moveSpeed(input_tuning::kMoveSpeed),
      platform(desktopPlatform())
{
    findOverlays();
    Ogre::LogManager::getSingletonPtr()->logMessage(kLoggingLine, Ogre::LML_NORMAL, false);
    createInput();
    finishConstruction();
}

ExampleFrameListener::ExampleFrameListener(Ogre::RenderWindow* window_, Ogre::Camera* camera_,
                                           const InputDevices& devices, Platform& platform_)
    : camera(camera_), window(window_), moveSpeed(input_tuning::kMoveSpeed), platform(platform_)
{
    findOverlays();
    Ogre::LogManager::getSingletonPtr()->logMessage(kLoggingLine, Ogre::LML_NORMAL, false);
    keyboard = devices.keyboard;
    mouse = devices.mouse;
    joystick = devices.joystick;
    finishConstruction();
}

ExampleFrameListener::~ExampleFrameListener()
{
    OgreBites::WindowEventUtilities::removeWindowEventListener(window, this);
    releaseInput();
}

void ExampleFrameListener::findOverlays()
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    scoreOverlay = overlays.getByName("ScoreOverlay");
    gameOverOverlay = overlays.getByName("GameOverOverlay");
    // Pause and game over both write into this banner: without it the game cannot be played.
    if (gameOverOverlay == nullptr)
        OGRE_EXCEPT(Ogre::Exception::ERR_ITEM_NOT_FOUND,
                    "The overlay GameOverOverlay is missing from the game's resources",
                    "ExampleFrameListener");
}

void ExampleFrameListener::createInput()
{
    // The X window id is 64 bits wide on this platform.
    std::uint64_t windowHandle = 0;
    window->getCustomAttribute("WINDOW", &windowHandle);
    OIS::ParamList parameters;
    parameters.insert(std::make_pair(std::string("WINDOW"), std::to_string(windowHandle)));

    inputManager = OIS::InputManager::createInputSystem(parameters);
    keyboard =
        static_cast<OIS::Keyboard*>(inputManager->createInputObject(OIS::OISKeyboard, false));
    mouse = static_cast<OIS::Mouse*>(inputManager->createInputObject(OIS::OISMouse, false));
    try
    {
        joystick =
            static_cast<OIS::JoyStick*>(inputManager->createInputObject(OIS::OISJoyStick, false));
    }
    catch (...)
    {
        joystick = nullptr; // no joystick is the usual case
    }
}

void ExampleFrameListener::finishConstruction()
{
    windowResized(window);
    if (scoreOverlay != nullptr)
        scoreOverlay->show();
    OgreBites::WindowEventUtilities::addWindowEventListener(window, this);
}

bool ExampleFrameListener::frameStarted(const Ogre::FrameEvent& evt)
{
    if (window->isClosed())
        return false;

    keyboard->capture();
    mouse->capture();
    if (joystick != nullptr)
        joystick->capture();

    const bool joystickBuffered = joystick == nullptr || joystick->buffered();
    const bool polling = !mouse->buffered() || !keyboard->buffered() || !joystickBuffered;
    if (polling)
    {
        if (toggleDelay >= 0)
            toggleDelay -= evt.timeSinceLastFrame;
        moveScale = moveSpeed * evt.timeSinceLastFrame;
        translation = Ogre::Vector3::ZERO;
    }
    if (!keyboard->buffered() && !handleKeys(evt))
        return false;
    if (!mouse->buffered() && !handleMouse())
        return false;
    if (polling)
        steerPlayer();
    return true;
}

bool ExampleFrameListener::frameEnded(const Ogre::FrameEvent&)
{
    return true;
}

void ExampleFrameListener::windowResized(Ogre::RenderWindow* rw)
{
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int depth = 0;
    int left = 0;
    int top = 0;
    rw->getMetrics(width, height, depth, left, top);
    const OIS::MouseState& state = mouse->getMouseState();
    state.width = static_cast<int>(width);
    state.height = static_cast<int>(height);
}

void ExampleFrameListener::windowClosed(Ogre::RenderWindow* rw)
{
    if (rw == window)
        releaseInput();
}

void ExampleFrameListener::releaseInput()
{
    if (inputManager == nullptr)
        return;
    inputManager->destroyInputObject(mouse);
    inputManager->destroyInputObject(keyboard);
    inputManager->destroyInputObject(joystick);
    OIS::InputManager::destroyInputSystem(inputManager);
    inputManager = nullptr;
}
