#pragma once

#include <OgreFrameListener.h>

// SIGINT and SIGTERM end the game the way Escape does: the render loop stops at the next
// frame and everything, the keyboard grab first, is given back in order.
void installQuitSignals();

// Gives SIGINT and SIGTERM their usual effect again once there is no render loop to end.
void removeQuitSignals();

// True once SIGINT or SIGTERM has arrived.
bool quitSignalled();

// Keeps the render loop in touch with the desktop: window events (resize, close) are
// delivered between frames, and a quit signal ends the loop at the next frame.
class RenderLoopListener : public Ogre::FrameListener
{
public:
    bool frameStarted(const Ogre::FrameEvent&) override { return !quitSignalled(); }
    bool frameEnded(const Ogre::FrameEvent&) override;
};
