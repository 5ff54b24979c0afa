#include "scene/FishVisuals.h"

#include "scene/SolidDrawing.h"

#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace
{
class FishVisualsTest : public ::testing::Test
{
protected:
    WindowlessEngine engine;
    Panel tank;
};

bool drawnWhenSolid(const Ogre::BillboardSet* picture)
{
    return (picture->getVisibilityFlags() & drawnPictures(Ogre::PM_SOLID)) != 0;
}

float depthOf(Ogre::SceneNode* node)
{
    return node->getPosition().z;
}

// The number in a fish picture's name, "Fish<n>".
int pictureNumber(const Ogre::BillboardSet* set)
{
    const std::string& name = set->getName();
    EXPECT_EQ(name.rfind("Fish", 0), 0u) << name;
    return std::stoi(name.substr(4));
}
} // namespace

TEST_F(FishVisualsTest, PlayerStartsFacingLeftAtItsPlaceWithTwoNumberedPictures)
{
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
    const int first = pictureNumber(player.leftSet);
    EXPECT_EQ(pictureNumber(player.rightSet), first + 1);
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
    EXPECT_EQ(pictureNumber(next.leftSet), first + 2);
    EXPECT_EQ(pictureNumber(next.rightSet), first + 3);
    EXPECT_FLOAT_EQ(depthOf(next.leftNode), -100);
    EXPECT_FLOAT_EQ(depthOf(next.rightNode), 1);
}

TEST_F(FishVisualsTest, TurningSwapsThePictureDepthsAndDrawsOnlyTheFrontOne)
{
    Fish fish;
    createFishVisuals(fish, -1, 10, engine.scene, &tank, "Examples/RedFish",
                      "Examples/RedFishRight", 50, 60, 80, 20);
    fish.leftNode->setPosition(3, 4, fish.leftNode->getPosition().z);
    fish.rightNode->setPosition(-5, 6, fish.rightNode->getPosition().z);

    EXPECT_TRUE(drawnWhenSolid(fish.leftSet));
    EXPECT_FALSE(drawnWhenSolid(fish.rightSet));

    faceDirection(fish, 1);
    EXPECT_EQ(fish.direction, 1);
    EXPECT_EQ(fish.leftNode->getPosition(), Ogre::Vector3(3, 4, -100));
    EXPECT_EQ(fish.rightNode->getPosition(), Ogre::Vector3(-5, 6, 1));
    EXPECT_FALSE(drawnWhenSolid(fish.leftSet));
    EXPECT_TRUE(drawnWhenSolid(fish.rightSet));

    faceDirection(fish, -1);
    EXPECT_EQ(fish.leftNode->getPosition(), Ogre::Vector3(3, 4, 1));
    EXPECT_EQ(fish.rightNode->getPosition(), Ogre::Vector3(-5, 6, -100));
    EXPECT_TRUE(drawnWhenSolid(fish.leftSet));
    EXPECT_FALSE(drawnWhenSolid(fish.rightSet));

    faceDirection(fish, 1);
    faceDirection(fish, 0);
    EXPECT_EQ(fish.direction, 0);
    EXPECT_FLOAT_EQ(depthOf(fish.leftNode), 1);
    EXPECT_FLOAT_EQ(depthOf(fish.rightNode), -100);
    EXPECT_TRUE(drawnWhenSolid(fish.leftSet));
    EXPECT_FALSE(drawnWhenSolid(fish.rightSet));
}

TEST_F(FishVisualsTest, DestroyingAFishReleasesEverythingItMade)
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

TEST_F(FishVisualsTest, AnUnknownPictureIsAnEngineError)
{
    Fish fish;
    EXPECT_THROW(createFishVisuals(fish, 1, 10, engine.scene, &tank, "Examples/NoSuchFish",
                                   "Examples/RedFishRight", 0, 0, 28, 7),
                 Ogre::Exception);
}

TEST_F(FishVisualsTest, TheRectangleIsReadFromTheNodeAndTheRecordsSize)
{
    Fish fish;
    createFishVisuals(fish, -1, 10, engine.scene, &tank, "Examples/RedFish",
                      "Examples/RedFishRight", 50, 60, 80, 20);
    fish.node->setPosition(12.5f, -7, 1);
    fish.width = 88; // grown, as eating leaves it
    const Rect rect = fishRect(fish);
    EXPECT_FLOAT_EQ(rect.x, 12.5f);
    EXPECT_FLOAT_EQ(rect.y, -7);
    EXPECT_FLOAT_EQ(rect.width, 88);
    EXPECT_FLOAT_EQ(rect.height, 20);
    EXPECT_FLOAT_EQ(centreX(fish), 56.5f);
    EXPECT_FLOAT_EQ(centreY(fish), 3);
}
