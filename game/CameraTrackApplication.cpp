#include "game/CameraTrackApplication.h"

#include "game/CameraTrackListener.h"
#include "game/GameTuning.h"

#include <Ogre.h>

using namespace game_tuning;

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

CameraTrackApplication::CameraTrackApplication()
{
    resetFish(player);
}

CameraTrackApplication::~CameraTrackApplication()
{
    // Only the records go here; their scene objects go with the engine.
    fishes.clear();
    fishes.shrink_to_fit();
}

void CameraTrackApplication::buildScene()
{
    sceneManager->setAmbientLight(Ogre::ColourValue(1, 1, 1, 1));
    Ogre::Light* light = sceneManager->createLight("MainLight");
    Ogre::SceneNode* lightNode = sceneManager->getRootSceneNode()->createChildSceneNode(
        Ogre::Vector3(kLightX, kLightY, kLightZ));
    lightNode->attachObject(light);

    // The hook waits out of view until the rules drop it in.
    const Panel hook = makePanel(sceneManager, "hookSet", "Examples/Hook", kHookWidth, kHookHeight,
                                 Ogre::BBO_BOTTOM_LEFT);
    hookNode = hook.node;
    hookNode->setPosition(kHookParkX, kHookParkY, kHookDepth);

    background = makePanel(sceneManager, "backgroundSet", "Examples/OceanBackground", kTankWidth,
                           kTankHeight, Ogre::BBO_BOTTOM_LEFT);
    background.node->setPosition(0, 0, 0);
    const Ogre::Vector3 corner = background.node->getPosition();

    // Black panels just outside the tank hide fish while they swim in or out.
    leftSide = makePanel(sceneManager, "leftSideSet", "Examples/BlackBackground", kTankWidth,
                         kTankHeight, Ogre::BBO_BOTTOM_RIGHT);
    leftSide.node->setPosition(corner.x + 1, corner.y, kSidePanelDepth);
    rightSide = makePanel(sceneManager, "rightSideSet", "Examples/BlackBackground", kTankWidth,
                          kTankHeight, Ogre::BBO_BOTTOM_LEFT);
    rightSide.node->setPosition(corner.x + float(background.width) - 1, corner.y, kSidePanelDepth);

    createFishVisuals(player, 0, 0, sceneManager, &background, "Examples/ZorvFish",
                      "Examples/ZorvFishRight", kPlayerStartX, kPlayerStartY, kPlayerStartWidth,
                      kPlayerStartHeight);

    // The camera looks straight at the middle of the tank from 500 units in front of it.
    Ogre::SceneNode* trackNode = sceneManager->getRootSceneNode()->createChildSceneNode(
        Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    trackNode->setPosition((corner.x + float(background.width)) * 0.5f,
                           (corner.y + float(background.height)) * 0.5f, 0);
    cameraNode->getParentSceneNode()->removeChild(cameraNode);
    trackNode->addChild(cameraNode);
    cameraNode->setDirection(Ogre::Vector3::NEGATIVE_UNIT_Z, Ogre::Node::TS_WORLD);
}

void CameraTrackApplication::makeFrameListener()
{
    auto listener = std::make_unique<CameraTrackListener>(window, camera);
    listener->player = &player;
    listener->hookNode = hookNode;
    listener->background = &background;
    listener->fishes = &fishes;
    root->addFrameListener(listener.get());
    frameListener = std::move(listener);
}
