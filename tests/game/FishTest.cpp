#include "game/Fish.h"

#include "support/EngineFixture.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace
{
class FishTest : public ::testing::Test
{
protected:
    WindowlessEngine engine;
    Panel tank;
};

float depthOf(Ogre::SceneNode* node)
{
    return node->getPosition().z;
}
} // namespace

TEST_F(FishTest, PlayerStartsFacingLeftAtItsPlaceWithTwoNumberedPictures)
{
    const int first = nextFishNameNumber();
    Fish player;
    resetFish(player);
    createFishVisuals(player, 0, 0, engine.scene, &tank, "Examples/ZorvFish",
                      "Examples/ZorvFishRight", 200, 300, 40, 10);

    EXPECT_EQ(player.node->getPosition(), Ogre::Vector3(200, 300, 1));
    EXPECT_EQ(player.node->getParentSceneNode(), engine.scene->getRootSceneNode());
    EXPECT_FLOAT_EQ(depthOf(player.leftNode), 1);
    EXPECT_FLOAT_EQ(depthOf(player.rightNode), -100);
    EXPECT_EQ(fishVelocity(player), Ogre::Vector3::ZERO);
    EXPECT_FLOAT_EQ(centreX(player), 220);
    EXPECT_FLOAT_EQ(centreY(player), 305);
    EXPECT_EQ(player.leftSet->getName(), "Fish" + std::to_string(first));
    EXPECT_EQ(player.rightSet->getName(), "Fish" + std::to_string(first + 1));
    EXPECT_EQ(player.leftSet->getMaterialName(), "Examples/ZorvFish");
    EXPECT_EQ(player.rightSet->getMaterialName(), "Examples/ZorvFishRight");
    EXPECT_EQ(player.leftSet->getBillboardOrigin(), Ogre::BBO_BOTTOM_LEFT);
    EXPECT_FLOAT_EQ(player.leftSet->getDefaultWidth(), 40);
    EXPECT_FLOAT_EQ(player.rightSet->getDefaultHeight(), 10);
    EXPECT_EQ(player.leftSet->getNumBillboards(), 1u);
    EXPECT_EQ(player.leftBillboard->getPosition(), Ogre::Vector3::ZERO);
    EXPECT_EQ(player.tank, &tank);
    EXPECT_EQ(player.sceneManager, engine.scene);

    Fish next;
    resetFish(next);
    createFishVisuals(next, 1, 50, engine.scene, &tank, "Examples/RedFish", "Examples/RedFishRight",
                      0, 0, 28, 7);
    EXPECT_EQ(next.leftSet->getName(), "Fish" + std::to_string(first + 2));
    EXPECT_EQ(next.rightSet->getName(), "Fish" + std::to_string(first + 3));
    EXPECT_FLOAT_EQ(depthOf(next.leftNode), -100);
    EXPECT_FLOAT_EQ(depthOf(next.rightNode), 1);
}

TEST_F(FishTest, TurningOnlySwapsThePictureDepths)
{
    Fish fish;
    createFishVisuals(fish, -1, 10, engine.scene, &tank, "Examples/RedFish",
                      "Examples/RedFishRight", 50, 60, 80, 20);
    fish.leftNode->setPosition(3, 4, fish.leftNode->getPosition().z);
    fish.rightNode->setPosition(-5, 6, fish.rightNode->getPosition().z);

    faceDirection(fish, 1);
    EXPECT_EQ(fish.direction, 1);
    EXPECT_EQ(fish.leftNode->getPosition(), Ogre::Vector3(3, 4, -100));
    EXPECT_EQ(fish.rightNode->getPosition(), Ogre::Vector3(-5, 6, 1));

    faceDirection(fish, -1);
    EXPECT_EQ(fish.leftNode->getPosition(), Ogre::Vector3(3, 4, 1));
    EXPECT_EQ(fish.rightNode->getPosition(), Ogre::Vector3(-5, 6, -100));

    faceDirection(fish, 1);
    faceDirection(fish, 0);
    EXPECT_EQ(fish.direction, 0);
    EXPECT_FLOAT_EQ(depthOf(fish.leftNode), 1);
    EXPECT_FLOAT_EQ(depthOf(fish.rightNode), -100);
}

TEST(FishRecord, VelocityIsSpeedTimesDirection)
{
    Fish fish;
    fish.speed = 150;
    fish.direction = -1;
    EXPECT_EQ(fishVelocity(fish), Ogre::Vector3(-150, 0, 0));
    fish.direction = 1;
    fish.speed = 20;
    EXPECT_EQ(fishVelocity(fish), Ogre::Vector3(20, 0, 0));
}

TEST(FishRecord, ResetTouchesOnlyTheFourGameFields)
{
    Fish fish;
    fish.alive = false;
    fish.isShark = true;
    fish.score = 99;
    fish.eatenCount = 7;
    fish.width = 12;
    fish.height = 3;
    fish.speed = 40;
    fish.direction = 1;
    resetFish(fish);
    EXPECT_TRUE(fish.alive);
    EXPECT_FALSE(fish.isShark);
    EXPECT_EQ(fish.score, 0);
    EXPECT_EQ(fish.eatenCount, 0);
    EXPECT_FLOAT_EQ(fish.width, 12);
    EXPECT_FLOAT_EQ(fish.height, 3);
    EXPECT_EQ(fish.speed, 40);
    EXPECT_EQ(fish.direction, 1);
}

TEST_F(FishTest, DestroyingAFishReleasesEverythingItMade)
{
    const size_t nodes = engine.sceneNodeCount();
    const size_t sets = engine.billboardSetCount();
    Fish fish;
    createFishVisuals(fish, 1, 10, engine.scene, &tank, "Examples/RedFish", "Examples/RedFishRight",
                      0, 0, 28, 7);
    EXPECT_EQ(engine.sceneNodeCount(), nodes + 3);
    EXPECT_EQ(engine.billboardSetCount(), sets + 2);
    const std::string leftName = fish.leftSet->getName();

    destroyFishVisuals(fish);
    EXPECT_EQ(engine.sceneNodeCount(), nodes);
    EXPECT_EQ(engine.billboardSetCount(), sets);
    EXPECT_FALSE(engine.scene->hasBillboardSet(leftName));
}

TEST_F(FishTest, AnUnknownPictureIsAnEngineError)
{
    Fish fish;
    EXPECT_THROW(createFishVisuals(fish, 1, 10, engine.scene, &tank, "Examples/NoSuchFish",
                                   "Examples/RedFishRight", 0, 0, 28, 7),
                 Ogre::Exception);
}
