#include "input/NativeWindow.h"

#include <OgreRenderWindow.h>

NativeWindow nativeWindowOf(Ogre::RenderWindow& window)
{
    NativeWindow native;
    window.getCustomAttribute("XDISPLAY", &native.display);
    window.getCustomAttribute("WINDOW", &native.id);
    return native;
}
