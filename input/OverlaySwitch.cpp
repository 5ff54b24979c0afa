#include "input/OverlaySwitch.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

void showOverlay(Ogre::Overlay* overlay, bool shown)
{
    if (overlay == nullptr)
        return;
    if (shown)
        overlay->show();
    else
        overlay->hide();
}

Ogre::OverlayElement* findOverlayElement(const char* name)
{
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    return overlays.hasOverlayElement(name) ? overlays.getOverlayElement(name) : nullptr;
}
