#pragma once

namespace Ogre
{
class Overlay;
}

// Shows or hides an overlay that the resources may lack (null: nothing to do).
void showOverlay(Ogre::Overlay* overlay, bool shown);
