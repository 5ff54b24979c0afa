#pragma once

#include <OgrePrerequisites.h>

// The X display (an Xlib Display*) and the X window id behind a render window, which the
// desktop's own calls (focus, screen size, window properties) ask for.
struct NativeWindow
{
    void* display = nullptr;
    unsigned long id = 0;
};
NativeWindow nativeWindowOf(Ogre::RenderWindow& window);
