#include "scene/PanelVisuals.h"

#include <OgreBillboard.h>
#include <OgreMaterial.h>
#include <OgrePass.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreTechnique.h>
#include <OgreTextureManager.h>
#include <OgreTextureUnitState.h>

#include <functional>

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

namespace
{
void forEachUnit(const Panel& panel, const std::function<void(Ogre::TextureUnitState&)>& change)
{
    for (Ogre::Technique* technique : panel.set->getMaterial()->getTechniques())
        for (Ogre::Pass* pass : technique->getPasses())
            for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
                change(*unit);
}
} // namespace

void sampleNearest(const Panel& panel)
{
    // A sampler of its own, edged like every other picture, leaves the shared one alone.
    const Ogre::SamplerPtr& shared = Ogre::TextureManager::getSingleton().getDefaultSampler();
    Ogre::SamplerPtr nearest = Ogre::TextureManager::getSingleton().createSampler();
    nearest->setAddressingMode(shared->getAddressingMode());
    nearest->setFiltering(Ogre::TFO_NONE);
    forEachUnit(panel, [&nearest](Ogre::TextureUnitState& unit) { unit.setSampler(nearest); });
}

std::vector<Ogre::SamplerPtr> panelSamplers(const Panel& panel)
{
    std::vector<Ogre::SamplerPtr> samplers;
    forEachUnit(panel, [&samplers](Ogre::TextureUnitState& unit)
                { samplers.push_back(unit.getSampler()); });
    return samplers;
}

void setPanelSamplers(const Panel& panel, const std::vector<Ogre::SamplerPtr>& samplers)
{
    std::size_t next = 0;
    forEachUnit(panel,
                [&samplers, &next](Ogre::TextureUnitState& unit)
                {
                    if (next < samplers.size())
                        unit.setSampler(samplers[next++]);
                });
}

void clampPicturesAtTheirEdges()
{
    Ogre::TextureManager::getSingleton().getDefaultSampler()->setAddressingMode(Ogre::TAM_CLAMP);
}

void followDefaultSampling(const Panel& panel)
{
    const Ogre::SamplerPtr& shared = Ogre::TextureManager::getSingleton().getDefaultSampler();
    forEachUnit(panel, [&shared](Ogre::TextureUnitState& unit) { unit.setSampler(shared); });
}
