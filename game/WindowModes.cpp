#include "game/WindowModes.h"

#include "input/NativeWindow.h"
#include "platform/Platform.h"

#include <OgreLogManager.h>
#include <OgreRenderWindow.h>

#include <string>

void WindowModes::setFullScreen(Ogre::RenderWindow& window, Platform& platform, bool full)
{
    // Full screen at the desktop's own size: the screen's mode never changes, so a game
    // that dies in full screen leaves the desktop as it was.
    const NativeWindow native = nativeWindowOf(window);
    unsigned width = 0, height = 0;
    if (full)
    {
        if (!platform.screenSize(native.display, native.id, width, height))
            return;
        windowedWidth = window.getWidth();
        windowedHeight = window.getHeight();
    }
    else
    {
        width = windowedWidth != 0 ? windowedWidth : window.getWidth();
        height = windowedHeight != 0 ? windowedHeight : window.getHeight();
    }
    window.setFullscreen(full, width, height);
    Ogre::LogManager::getSingleton().logMessage(
        std::string(full ? "Full screen at " : "In a window of ") + std::to_string(width) + "x" +
        std::to_string(height));
}

bool WindowModes::needsLayout(const Ogre::RenderWindow& window) const
{
    return window.getWidth() != laidOutWidth || window.getHeight() != laidOutHeight;
}

void WindowModes::laidOut(const Ogre::RenderWindow& window)
{
    laidOutWidth = window.getWidth();
    laidOutHeight = window.getHeight();
}
