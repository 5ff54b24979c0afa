#include "input/ExampleFrameListener.h"

#include "input/InputTuning.h"
#include "input/NativeWindow.h"
#include "platform/Platform.h"
#include "rules/Fish.h"
#include "rules/GameTuning.h"
#include "rules/TankBounds.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"
#include "scene/TankView.h"

#include <OIS.h>
#include <Ogre.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

namespace
{
constexpr const char* kLoggingLine = "*** THE LOGGING IS WORKING ***";
}

ExampleFrameListener::ExampleFrameListener(Ogre::RenderWindow* window_, Ogre::Camera* camera_,
                                           std::unique_ptr<InputSystem> devices,
                                           Platform& platform_)
    : camera(camera_), window(window_), moveSpeed(input_tuning::kMoveSpeed),
      inputManager(std::move(devices)), platform(platform_)
{
    // Anything thrown from here on gives the input back as the members go.
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    scoreOverlay = overlays.getByName("ScoreOverlay");
    gameOverOverlay = overlays.getByName("GameOverOverlay");
    // Pause and game over both write into this banner: without it the game cannot be played.
    if (gameOverOverlay == nullptr)
        OGRE_EXCEPT(Ogre::Exception::ERR_ITEM_NOT_FOUND,
                    "The overlay GameOverOverlay is missing from the game's resources",
                    "ExampleFrameListener");
    Ogre::LogManager::getSingletonPtr()->logMessage(kLoggingLine, Ogre::LML_NORMAL, false);

    windowResized(window);
    if (scoreOverlay != nullptr)
        scoreOverlay->show();
    OgreBites::WindowEventUtilities::addWindowEventListener(window, this);
}

ExampleFrameListener::~ExampleFrameListener()
{
    OgreBites::WindowEventUtilities::removeWindowEventListener(window, this);
    releaseInput();
}

bool ExampleFrameListener::frameStarted(const Ogre::FrameEvent& evt)
{
    if (window->isClosed())
        return false;
    if (inputManager != nullptr)
        input = readInput();
    return playFrame(evt.timeSinceLastFrame);
}

FrameInput ExampleFrameListener::readInput()
{
    if (inputManager == nullptr)
        return FrameInput{};
    std::vector<std::string> news;
    FrameInput read = readDevices(*inputManager, bindings, news);
    for (const std::string& line : news)
        Ogre::LogManager::getSingleton().logMessage(line);
    return read;
}

bool ExampleFrameListener::playFrame(float dt)
{
    extras = ExtraCommands{};
    if (toggleDelay >= 0)
        toggleDelay -= dt;
    moveScale = moveSpeed * dt * pace;
    translation = Ogre::Vector3::ZERO;
    if (!handleKeys())
        return false;
    handleMouse();
    handleGamepads();
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
    // The whole tank stays in view whatever the window's shape.
    using namespace game_tuning;
    const float aspect = height > 0 ? float(width) / float(height) : 1.0f;
    if (height > 0)
        camera->setFOVy(shownAspect > 0 ? shownFieldOfView(aspect, shownAspect, float(kTankWidth),
                                                           float(kTankHeight), kCameraDistance)
                                        : tankFieldOfView(aspect, float(kTankWidth),
                                                          float(kTankHeight), kCameraDistance));
    OIS::Mouse* pointer = mouse();
    if (pointer == nullptr)
        return; // the devices are gone with a closed window, or the game is watched
    const OIS::MouseState& state = pointer->getMouseState();
    state.width = static_cast<int>(width);
    state.height = static_cast<int>(height);
}

void ExampleFrameListener::windowClosed(Ogre::RenderWindow* rw)
{
    if (rw == window)
        releaseInput();
}

void ExampleFrameListener::windowFocusChange(Ogre::RenderWindow* rw)
{
    if (rw != window || watching)
        return;
    const NativeWindow native = nativeWindowOf(*rw);
    switch (platform.focusOf(native.display, native.id))
    {
    case WindowFocus::Here:
        hadFocus = true;
        break;
    case WindowFocus::Elsewhere:
        // Only a game in play pauses, and only once the window really had the focus: a
        // window being mapped may hear of the focus before it gets it.
        if (hadFocus && !paused && player != nullptr && player->alive)
        {
            showPause();
            focusPaused = true;
        }
        hadFocus = false;
        break;
    case WindowFocus::Unknown:
        break;
    }
}

void ExampleFrameListener::releaseInput()
{
    inputManager.reset();
}

OIS::Mouse* ExampleFrameListener::mouse() const
{
    return inputManager != nullptr ? inputManager->mouse : nullptr;
}

Gamepads* ExampleFrameListener::gamepads() const
{
    return inputManager != nullptr ? inputManager->gamepads : nullptr;
}

// A move is taken whole or not at all, and only when the fish's rectangle then lies
// strictly inside the tank.
void ExampleFrameListener::steerPlayer()
{
    Rect moved = fishRect(*player);
    moved.x += translation.x;
    moved.y += translation.y;
    if (liesStrictlyInside(moved, panelRect(*background)))
        player->node->setPosition(player->node->getPosition() + translation);
}
