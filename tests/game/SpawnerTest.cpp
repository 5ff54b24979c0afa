#include "game/Spawner.h"

#include "support/GameTest.h"

#include <OgreBillboardSet.h>
#include <OgreSceneNode.h>

using SpawnerTest = GameTest;

TEST_F(SpawnerTest, FillsTheRecordAndPutsTheFishInTheScene)
{
    Fish fish;
    resetFish(fish);
    dice.draws = {5, 30, 1, 2, 100};
    spawnRandomFish(fish, engine.scene, &world.background, dice);
    EXPECT_TRUE(fish.isShark);
    EXPECT_FLOAT_EQ(fish.width, 160);
    EXPECT_FLOAT_EQ(fish.height, 40);
    EXPECT_EQ(fish.speed, 50);
    EXPECT_EQ(fish.direction, 1);
    EXPECT_EQ(fish.node->getPosition(), Ogre::Vector3(-160, 100, 1));
    EXPECT_EQ(fish.rightSet->getMaterialName(), "Examples/SharkFishRight");
    EXPECT_FLOAT_EQ(fish.rightNode->getPosition().z, 1); // swimming right, facing right
    EXPECT_EQ(fish.tank, &world.background);
}

TEST_F(SpawnerTest, TheTankCornerPlacesTheFish)
{
    world.background.node->setPosition(10.7f, 20.9f, 0);
    Fish fish;
    resetFish(fish);
    dice.draws = {0, 0, 1, 0, 3};
    spawnRandomFish(fish, engine.scene, &world.background, dice);
    EXPECT_EQ(fish.node->getPosition(), Ogre::Vector3(-17, 23, 1)); // truncated toward zero
    EXPECT_FALSE(fish.isShark);
}
