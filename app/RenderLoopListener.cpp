#include "app/RenderLoopListener.h"

#include "platform/QuitSignals.h"
#include "platform/XErrors.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <OgreLogManager.h>

bool RenderLoopListener::frameStarted(const Ogre::FrameEvent&)
{
    // A window destroyed by another program shows up as an X error: end the loop cleanly.
    return !quitSignalled() && !xErrorReported();
}

bool RenderLoopListener::frameEnded(const Ogre::FrameEvent&)
{
    // Frames end after the picture has been swapped onto the window.
    if (!firstFrameDrawn)
    {
        firstFrameDrawn = true;
        Ogre::LogManager::getSingleton().logMessage(kFirstFrameLine);
    }
    OgreBites::WindowEventUtilities::messagePump();
    return true;
}
