#pragma once

#include "rules/Panel.h"

#include <OgreColourValue.h>
#include <OgreTextureUnitState.h>
#include <Overlay/OgreOverlayElement.h>

#include <string>
#include <utility>
#include <vector>

namespace Ogre
{
class Overlay;
}

// What every tank drawn in the window shares: the overlays (HUD, banner, panels, the hall of
// fame), the engine's default texture filtering and the water's sampling. A game watched
// inside another writes into all of them; the other game's look comes back whole.
class SharedLook
{
public:
    // Keeps how all of it looks now, the samplers of `water` among it.
    explicit SharedLook(const Panel& water);
    // Puts all of it back as it was kept.
    void restore() const;

private:
    struct Element
    {
        Ogre::OverlayElement* element;
        bool visible;
        Ogre::DisplayString caption;
        Ogre::GuiMetricsMode metrics;
        Ogre::GuiHorizontalAlignment across;
        Ogre::GuiVerticalAlignment down;
        Ogre::Real left, top, width, height;
        bool text; // a text area: its letters' size too
        Ogre::Real charHeight = 0, spaceWidth = 0;
    };
    void keep(Ogre::OverlayElement* element);

    std::vector<std::pair<Ogre::Overlay*, bool>> overlays; // and whether each showed
    std::vector<Element> elements;
    Ogre::FilterOptions minFilter, magFilter, mipFilter;
    unsigned anisotropy;
    Panel water;
    std::vector<Ogre::SamplerPtr> waterSamplers;
};
