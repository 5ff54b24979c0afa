#pragma once

#include <OgreFrameListener.h>

// Keeps the render loop in touch with the desktop: window events (resize, close) are
// delivered between frames, a quit signal or an X error ends the loop at the next frame, and the
// log says when the first frame is on the screen.
class RenderLoopListener : public Ogre::FrameListener
{
public:
    bool frameStarted(const Ogre::FrameEvent&) override;
    bool frameEnded(const Ogre::FrameEvent&) override;

private:
    bool firstFrameDrawn = false;
};

// The log line written once the first frame has been drawn and shown.
constexpr const char* kFirstFrameLine = "The first frame is on the screen";
