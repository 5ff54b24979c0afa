#pragma once

namespace Ogre
{
class RenderWindow;
}
class Platform;

// The window's modes: full screen at the desktop's own size or the window as it was, and the
// size the HUD and the camera were last laid out for.
class WindowModes
{
public:
    // Full screen (F11, Alt+Return) or back to the window as it was before.
    void setFullScreen(Ogre::RenderWindow& window, Platform& platform, bool full);
    // The window's size differs from the one last laid out for (a change of mode can leave
    // the window at a size no resize event told of).
    bool needsLayout(const Ogre::RenderWindow& window) const;
    void laidOut(const Ogre::RenderWindow& window);

private:
    unsigned windowedWidth = 0, windowedHeight = 0; // before it went full screen
    unsigned laidOutWidth = 0, laidOutHeight = 0;
};
