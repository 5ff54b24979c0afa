// The game's entry point: no arguments, exit status 0 on every path. An engine error
// ends in a message box that shows it in full.
#include "app/ErrorBox.h"
#include "app/QuitSignals.h"
#include "game/CameraTrackApplication.h"

#include <OgreException.h>

int main()
{
    CameraTrackApplication app;
    try
    {
        app.run();
    }
    catch (Ogre::Exception& error)
    {
        // The box needs the keyboard and mouse the game has grabbed, and a signal must be
        // able to end the program while the box waits.
        app.releaseInput();
        removeQuitSignals();
        showErrorBox("An exception has occured!", error.getFullDescription());
    }
    return 0;
}
