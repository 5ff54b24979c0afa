#include "scene/FishVisuals.h"

#include "game/CameraTrackListener.h"
#include "support/GameTest.h"

#include <OgreSceneNode.h>

using CollisionTest = GameTest;

TEST_F(CollisionTest, FishTouchWhereTheirNodesPutThem)
{
    Fish a = addFish(0, 10, 40);
    Fish b = addFish(40, 10, 40);
    EXPECT_TRUE(fishesOverlap(a, b));
    b.node->setPosition(40.5f, 10, 1);
    EXPECT_FALSE(fishesOverlap(a, b));
    EXPECT_FALSE(fishesOverlap(b, a));
    // A grown fish is larger than its pictures' first size: the record's size counts.
    a.width = 41;
    EXPECT_TRUE(fishesOverlap(a, b));
}

TEST_F(CollisionTest, TheHookReachesThePlayerFromItsNode)
{
    // The player at (200, 300), 40 by 10: centre (220, 305).
    EXPECT_FALSE(listener->touchesHook(world.player)); // parked out of view
    world.hookNode->setPosition(185, 285, 2);
    EXPECT_TRUE(listener->touchesHook(world.player));
    world.hookNode->setPosition(184.5f, 285, 2);
    EXPECT_FALSE(listener->touchesHook(world.player));
    world.hookNode->setPosition(255, 325, 2);
    EXPECT_TRUE(listener->touchesHook(world.player));
}
