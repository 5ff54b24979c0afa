#include "rules/Fish.h"

#include <gtest/gtest.h>

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
