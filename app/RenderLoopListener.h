#pragma once

#include <OgreFrameListener.h>
#include <OgrePrerequisites.h>

#include <chrono>

class ExampleFrameListener;
class Platform;

// Keeps the render loop in touch with the desktop: window events (resize, close) are
// delivered between frames, a quit signal or an X error ends the loop at the next frame,
// the log says when the first frame is on the screen (and the first at each new window size,
// and the first paused or going on again), and the loop rests when there is nothing to show
// (a hidden window, a paused game).
class RenderLoopListener : public Ogre::FrameListener
{
public:
    // The window to watch and the game's listener, whose pause it follows; both outlive it.
    RenderLoopListener(Ogre::RenderWindow* window, const ExampleFrameListener* game,
                       Platform& platform);

    bool frameStarted(const Ogre::FrameEvent&) override;
    bool frameEnded(const Ogre::FrameEvent&) override;

private:
    Ogre::RenderWindow* window;
    const ExampleFrameListener* game;
    Platform& platform;
    bool firstFrameDrawn = false;
    unsigned drawnWidth = 0, drawnHeight = 0;           // the size of the last frame drawn
    bool pausedDrawn = false;                           // whether it showed the game paused
    std::chrono::steady_clock::time_point lastFrameEnd; // after its rest
};

// The log line written once the first frame has been drawn and shown; "A frame of 800x600
// is on the screen" follows the first frame at each new window size.
constexpr const char* kFirstFrameLine = "The first frame is on the screen";
// Written once the first frame of a paused game (P, the pad's Start, a lost focus or pad, the
// controls panel) is on the screen, and once the first frame after it is.
constexpr const char* kPausedLine = "The game is paused";
constexpr const char* kGoesOnLine = "The game goes on";
