#include "scene/PanelVisuals.h"

#include <OgreBillboard.h>
#include <OgreMaterial.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreTechnique.h>
#include <OgreTextureUnitState.h>

namespace
{
constexpr unsigned kBillboardPool = 20;
} // namespace

Panel makePanel(Ogre::SceneManager* sceneManager, const char* setName, const char* material,
                int width, int height, Ogre::BillboardOrigin origin)
{
    Panel panel;
    panel.node = sceneManager->getRootSceneNode()->createChildSceneNode(Ogre::Vector3::ZERO,
                                                                        Ogre::Quaternion::IDENTITY);
    panel.set = sceneManager->createBillboardSet(setName, kBillboardPool);
    panel.set->setBillboardOrigin(origin);
    panel.set->setMaterialName(material);
    panel.width = width;
    panel.height = height;
    panel.set->setDefaultDimensions(float(width), float(height));
    panel.billboard = panel.set->createBillboard(Ogre::Vector3::ZERO, Ogre::ColourValue::White);
    panel.node->attachObject(panel.set);
    return panel;
}

Rect panelRect(const Panel& panel)
{
    const Ogre::Vector3& corner = panel.node->getPosition();
    return Rect{corner.x, corner.y, float(panel.width), float(panel.height)};
}

void sampleNearest(const Panel& panel)
{
    for (Ogre::Technique* technique : panel.set->getMaterial()->getTechniques())
        for (Ogre::Pass* pass : technique->getPasses())
            for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                unit->setTextureFiltering(Ogre::TFO_NONE);
}
