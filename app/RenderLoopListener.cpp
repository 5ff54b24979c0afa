#include "app/RenderLoopListener.h"

#include "app/FramePacing.h"
#include "input/ExampleFrameListener.h"
#include "platform/Platform.h"
#include "platform/QuitSignals.h"
#include "platform/XErrors.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OgreLogManager.h>
#include <OgreRenderWindow.h>

RenderLoopListener::RenderLoopListener(Ogre::RenderWindow* window_,
                                       const ExampleFrameListener* game_, Platform& platform_)
    : window(window_), game(game_), platform(platform_),
      lastFrameEnd(std::chrono::steady_clock::now())
{
}

bool RenderLoopListener::frameStarted(const Ogre::FrameEvent&)
{
    // A window destroyed by another program shows up as an X error: end the loop cleanly.
    return !quitSignalled() && !xErrorReported();
}

bool RenderLoopListener::frameEnded(const Ogre::FrameEvent&)
{
    // Frames end after the picture has been swapped onto the window, drawn at the size the
    // window had and paused or not as the game was when it began (window events are
    // delivered below, between frames).
    const bool drawn = window != nullptr && window->isActive() && window->isVisible();
    const bool newSize =
        drawn && (window->getWidth() != drawnWidth || window->getHeight() != drawnHeight);
    if (!firstFrameDrawn)
    {
        firstFrameDrawn = true;
        Ogre::LogManager::getSingleton().logMessage(kFirstFrameLine);
    }
    else if (newSize)
        Ogre::LogManager::getSingleton().logMessage(
            "A frame of " + std::to_string(window->getWidth()) + "x" +
            std::to_string(window->getHeight()) + " is on the screen");
    if (newSize)
    {
        drawnWidth = window->getWidth();
        drawnHeight = window->getHeight();
    }
    if (game != nullptr && game->paused != pausedDrawn)
    {
        pausedDrawn = game->paused;
        Ogre::LogManager::getSingleton().logMessage(pausedDrawn ? kPausedLine : kGoesOnLine);
    }
    OgreBites::WindowEventUtilities::messagePump();

    const auto now = std::chrono::steady_clock::now();
    const double frameSeconds = std::chrono::duration<double>(now - lastFrameEnd).count();
    const bool visible = window == nullptr || (window->isActive() && window->isVisible());
    const bool paused = game != nullptr && game->paused;
    const double rest = restAfterFrame(visible, paused, frameSeconds);
    if (rest > 0)
        platform.sleepMilliseconds(int(rest * 1000 + 0.5));
    lastFrameEnd = std::chrono::steady_clock::now();
    return true;
}
