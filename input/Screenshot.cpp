#include "input/Screenshot.h"

#include "platform/SafeFile.h"

#include <OgreDataStream.h>
#include <OgreImage.h>
#include <OgreRenderWindow.h>

#include <exception>

std::string saveScreenshot(Ogre::RenderWindow& window, unsigned& number)
{
    std::string picture;
    try
    {
        Ogre::Image image(window.suggestPixelFormat(), window.getWidth(), window.getHeight());
        Ogre::PixelBox pixels = image.getPixelBox();
        window.copyContentsToMemory(pixels, pixels);
        picture = image.encode("png")->getAsString();
    }
    catch (const std::exception& error)
    {
        return "Screenshot screenshot_" + std::to_string(number) +
               ".png was not saved: " + error.what();
    }
    const SavedFile saved = saveAsNewNumberedFile("screenshot_", ".png", number, picture);
    if (!saved.saved)
        return "Screenshot " + saved.name + " was not saved: " + saved.error;
    number = saved.number;
    return "Screenshot saved as " + saved.name;
}
