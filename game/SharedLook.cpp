#include "game/SharedLook.h"

#include "scene/PanelVisuals.h"

#include <OgreMaterialManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayManager.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

SharedLook::SharedLook(const Panel& water_) : water(water_), waterSamplers(panelSamplers(water_))
{
    Ogre::OverlayManager::OverlayMapIterator all =
        Ogre::OverlayManager::getSingleton().getOverlayIterator();
    while (all.hasMoreElements())
    {
        Ogre::Overlay* overlay = all.getNext();
        overlays.emplace_back(overlay, overlay->isVisible());
        for (Ogre::OverlayContainer* container : overlay->get2DElements())
            keep(container);
    }
    const Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    minFilter = materials.getDefaultTextureFiltering(Ogre::FT_MIN);
    magFilter = materials.getDefaultTextureFiltering(Ogre::FT_MAG);
    mipFilter = materials.getDefaultTextureFiltering(Ogre::FT_MIP);
    anisotropy = materials.getDefaultAnisotropy();
}

void SharedLook::keep(Ogre::OverlayElement* element)
{
    auto* text = dynamic_cast<Ogre::TextAreaOverlayElement*>(element);
    Element kept{element,
                 element->isVisible(),
                 element->getCaption(),
                 element->getMetricsMode(),
                 element->getHorizontalAlignment(),
                 element->getVerticalAlignment(),
                 element->getLeft(),
                 element->getTop(),
                 element->getWidth(),
                 element->getHeight(),
                 text != nullptr};
    if (text != nullptr)
    {
        kept.charHeight = text->getCharHeight();
        kept.spaceWidth = text->getSpaceWidth();
    }
    elements.push_back(kept);
    if (auto* container = dynamic_cast<Ogre::OverlayContainer*>(element))
        for (const auto& child : container->getChildren())
            keep(child.second);
}

void SharedLook::restore() const
{
    for (const Element& kept : elements)
    {
        Ogre::OverlayElement* element = kept.element;
        element->setMetricsMode(kept.metrics);
        element->setHorizontalAlignment(kept.across);
        element->setVerticalAlignment(kept.down);
        element->setPosition(kept.left, kept.top);
        element->setDimensions(kept.width, kept.height);
        if (kept.text)
        {
            auto* text = static_cast<Ogre::TextAreaOverlayElement*>(element);
            text->setCharHeight(kept.charHeight);
            text->setSpaceWidth(kept.spaceWidth);
        }
        element->setCaption(kept.caption);
        if (kept.visible)
            element->show();
        else
            element->hide();
    }
    for (const auto& [overlay, shown] : overlays)
    {
        if (shown)
            overlay->show();
        else
            overlay->hide();
    }
    Ogre::MaterialManager& materials = Ogre::MaterialManager::getSingleton();
    materials.setDefaultTextureFiltering(minFilter, magFilter, mipFilter);
    materials.setDefaultAnisotropy(anisotropy);
    setPanelSamplers(water, waterSamplers);
}
