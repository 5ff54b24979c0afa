#include "game/Collision.h"

#include "game/Fish.h"
#include "support/EngineFixture.h"

#include <OgreSceneNode.h>

namespace
{
class CollisionTest : public ::testing::Test
{
protected:
    Fish fishAt(float x, float y, int width, int height)
    {
        Fish fish = makeFish(engine.scene, &tank, x, y, width);
        fish.height = float(height);
        return fish;
    }
    WindowlessEngine engine;
    Panel tank;
};
} // namespace

TEST_F(CollisionTest, FishThatShareAnEdgeTouch)
{
    const Fish a = fishAt(0, 10, 40, 10);
    Fish b = fishAt(40, 10, 40, 10);
    EXPECT_TRUE(fishesOverlap(a, b));
    EXPECT_TRUE(fishesOverlap(b, a));

    b.node->setPosition(40.5f, 10, 1);
    EXPECT_FALSE(fishesOverlap(a, b));
    EXPECT_FALSE(fishesOverlap(b, a));

    // Sharing only the top edge, or only a corner, still counts.
    b.node->setPosition(0, 20, 1);
    EXPECT_TRUE(fishesOverlap(a, b));
    b.node->setPosition(40, 20, 1);
    EXPECT_TRUE(fishesOverlap(a, b));
    b.node->setPosition(40, 20.5f, 1);
    EXPECT_FALSE(fishesOverlap(a, b));
}

TEST_F(CollisionTest, AFishInsideABiggerOneTouchesIt)
{
    const Fish big = fishAt(100, 100, 200, 50);
    const Fish small = fishAt(150, 120, 28, 7);
    EXPECT_TRUE(fishesOverlap(big, small));
    EXPECT_TRUE(fishesOverlap(small, big));
}

TEST_F(CollisionTest, TheHookReachesFifteenUnitsAroundItsCorner)
{
    const Fish player = fishAt(200, 300, 40, 10); // centre (220, 305)
    EXPECT_TRUE(hookReaches(Ogre::Vector3(185, 285, 2), player));
    EXPECT_FALSE(hookReaches(Ogre::Vector3(184.5f, 285, 2), player));
    EXPECT_FALSE(hookReaches(Ogre::Vector3(185, 284.5f, 2), player));
    EXPECT_TRUE(hookReaches(Ogre::Vector3(255, 325, 2), player));
    EXPECT_FALSE(hookReaches(Ogre::Vector3(255.5f, 325, 2), player));
    EXPECT_TRUE(hookReaches(Ogre::Vector3(220, 305, 2), player));
    EXPECT_FALSE(hookReaches(Ogre::Vector3(1000, 1000, 2), player));
}

TEST(WithinReach, BothAxesMustBeWithinTheirReachInclusive)
{
    EXPECT_TRUE(withinReach(35, -20, 35, 20));
    EXPECT_FALSE(withinReach(35.01f, 0, 35, 20));
    EXPECT_FALSE(withinReach(0, -20.01f, 35, 20));
}
