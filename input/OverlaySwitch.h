#pragma once

namespace Ogre
{
class Overlay;
class OverlayElement;
} // namespace Ogre

// Shows or hides an overlay that the resources may lack (null: nothing to do).
void showOverlay(Ogre::Overlay* overlay, bool shown);

// The overlay element of that name, or null when the resources lack it.
Ogre::OverlayElement* findOverlayElement(const char* name);
