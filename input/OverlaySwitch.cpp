#include "input/OverlaySwitch.h"

#include <Overlay/OgreOverlay.h>

void showOverlay(Ogre::Overlay* overlay, bool shown)
{
    if (overlay == nullptr)
        return;
    if (shown)
        overlay->show();
    else
        overlay->hide();
}
