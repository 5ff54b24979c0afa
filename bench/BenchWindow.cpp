#include "BenchWindow.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <Ogre.h>

Ogre::RenderWindow* openBenchWindow(Ogre::Root& root, const std::string& size)
{
    if (!root.restoreConfig())
        OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, "run me where ogre.cfg is",
                    "openBenchWindow");
    std::string videoMode = size; // the engine's spelling: "1920 x 1080"
    videoMode.replace(videoMode.find('x'), 1, " x ");
    // Players get vsync; the benchmarks measure how fast frames can be drawn.
    root.getRenderSystem()->setConfigOption("VSync", "No");
    root.getRenderSystem()->setConfigOption("Video Mode", videoMode);
    Ogre::RenderWindow* window = root.initialise(true, "OGRE Render Window");
    OgreBites::WindowEventUtilities::_addRenderWindow(window);
    return window;
}
