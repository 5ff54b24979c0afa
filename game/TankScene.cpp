#include "game/TankScene.h"

#include "game/CameraTrackListener.h"
#include "input/InputSystem.h"
#include "rules/GameTuning.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <Ogre.h>

using namespace game_tuning;

namespace
{
// After the tank's water, fish and hook (the main queue), before the HUD.
constexpr Ogre::uint8 kSidePanelQueue = Ogre::RENDER_QUEUE_6;
} // namespace

TankRecords::TankRecords()
{
    resetFish(player);
}

void buildTank(Ogre::SceneManager* sceneManager, Ogre::Camera* camera, TankRecords& tank)
{
    clampPicturesAtTheirEdges();
    sceneManager->setAmbientLight(Ogre::ColourValue(1, 1, 1, 1));
    Ogre::Light* light = sceneManager->createLight("MainLight");
    Ogre::SceneNode* lightNode = sceneManager->getRootSceneNode()->createChildSceneNode(
        Ogre::Vector3(kLightX, kLightY, kLightZ));
    lightNode->attachObject(light);

    // The hook waits out of view until the rules drop it in.
    const Panel hook = makePanel(sceneManager, "hookSet", "Examples/Hook", kHookWidth, kHookHeight,
                                 Ogre::BBO_BOTTOM_LEFT);
    tank.hookNode = hook.node;
    tank.hookNode->setPosition(kHookParkX, kHookParkY, kHookDepth);

    Panel& background = tank.background;
    background = makePanel(sceneManager, "backgroundSet", "Examples/OceanBackground", kTankWidth,
                           kTankHeight, Ogre::BBO_BOTTOM_LEFT);
    background.node->setPosition(0, 0, 0);
    const Ogre::Vector3 corner = background.node->getPosition();

    // Black panels just outside the tank hide fish while they swim in or out. Nothing in
    // the tank is depth tested, so they are drawn after every fish and the hook.
    tank.leftSide = makePanel(sceneManager, "leftSideSet", "Examples/BlackBackground", kTankWidth,
                              kTankHeight, Ogre::BBO_BOTTOM_RIGHT);
    tank.leftSide.node->setPosition(corner.x + 1, corner.y, kSidePanelDepth);
    tank.rightSide = makePanel(sceneManager, "rightSideSet", "Examples/BlackBackground", kTankWidth,
                               kTankHeight, Ogre::BBO_BOTTOM_LEFT);
    tank.rightSide.node->setPosition(corner.x + float(background.width) - 1, corner.y,
                                     kSidePanelDepth);
    tank.leftSide.set->setRenderQueueGroup(kSidePanelQueue);
    tank.rightSide.set->setRenderQueueGroup(kSidePanelQueue);

    createFishVisuals(tank.player, 0, 0, sceneManager, &background, "Examples/ZorvFish",
                      "Examples/ZorvFishRight", kPlayerStartX, kPlayerStartY, kPlayerStartWidth,
                      kPlayerStartHeight);

    // The camera looks straight at the middle of the tank from 500 units in front of it.
    Ogre::SceneNode* trackNode = sceneManager->getRootSceneNode()->createChildSceneNode(
        Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
    trackNode->setPosition((corner.x + float(background.width)) * 0.5f,
                           (corner.y + float(background.height)) * 0.5f, 0);
    Ogre::SceneNode* cameraNode = camera->getParentSceneNode();
    cameraNode->getParentSceneNode()->removeChild(cameraNode);
    trackNode->addChild(cameraNode);
    cameraNode->setDirection(Ogre::Vector3::NEGATIVE_UNIT_Z, Ogre::Node::TS_WORLD);
}

void placePlayerAtStart(Fish& player)
{
    player.node->setScale(Ogre::Vector3::UNIT_SCALE);
    player.width = float(kPlayerStartWidth);
    player.height = float(kPlayerStartHeight);
    placeFish(player, float(kPlayerStartX), float(kPlayerStartY));
    faceDirection(player, 0);
}

std::unique_ptr<CameraTrackListener> makeTankListener(Ogre::RenderWindow* window,
                                                      Ogre::Camera* camera, TankRecords& tank,
                                                      std::unique_ptr<InputSystem> input,
                                                      Platform& platform, Dice& dice)
{
    auto listener =
        std::make_unique<CameraTrackListener>(window, camera, std::move(input), platform, dice);
    listener->player = &tank.player;
    listener->hookNode = tank.hookNode;
    listener->background = &tank.background;
    listener->fishes = &tank.fishes;
    listener->start();
    return listener;
}
