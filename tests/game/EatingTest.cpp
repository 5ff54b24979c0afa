#include "game/Eating.h"

#include "support/GameTest.h"

#include <OgreSceneNode.h>

namespace
{
class EatingTest : public GameTest
{
protected:
    // The player eats one fish of the given width.
    void eat(int width = 28)
    {
        eatFish(world.player, makeFish(engine.scene, &world.background, 0, 0, width));
    }
    // Eats until the next meal is a sixth one.
    void eatUntilSixthIsNext()
    {
        while ((world.player.eatenCount + 1) % 6 != 0)
            eat();
    }
};
} // namespace

TEST_F(EatingTest, AMealAddsTheEatenWidthAndTakesTheFishOutOfTheScene)
{
    const size_t nodes = engine.sceneNodeCount();
    const size_t sets = engine.billboardSetCount();
    Fish meal = makeFish(engine.scene, &world.background, 0, 0, 28);
    eatFish(world.player, meal);
    EXPECT_EQ(world.player.score, 28);
    EXPECT_EQ(world.player.eatenCount, 1);
    EXPECT_EQ(engine.sceneNodeCount(), nodes);
    EXPECT_EQ(engine.billboardSetCount(), sets);
    eat(100);
    EXPECT_EQ(world.player.score, 128);
}

TEST_F(EatingTest, EverySixthMealGrowsThePlayerByATenth)
{
    for (int meal = 1; meal <= 5; ++meal)
        eat();
    EXPECT_FLOAT_EQ(world.player.width, 40);
    eat();
    EXPECT_FLOAT_EQ(world.player.width, 44);
    EXPECT_FLOAT_EQ(world.player.height, 11);
    EXPECT_TRUE(world.player.node->getScale().positionEquals(Ogre::Vector3(1.1f, 1.1f, 1)));
    EXPECT_EQ(world.player.node->getPosition(), Ogre::Vector3(200, 300, 1)); // corner kept
    for (int meal = 7; meal <= 12; ++meal)
        eat();
    EXPECT_FLOAT_EQ(world.player.width, 48.4f);
    for (int meal = 13; meal <= 18; ++meal)
        eat();
    EXPECT_NEAR(world.player.width, 53.24f, 1e-4);
}

TEST_F(EatingTest, GrowthStopsOnceThePlayerIsAtLeast210Wide)
{
    world.player.node->setPosition(10, 10, 1); // room to grow without touching an edge
    std::vector<float> widths;
    for (int meal = 1; meal <= 120; ++meal)
    {
        eat();
        if (meal % 6 == 0)
            widths.push_back(world.player.width);
    }
    EXPECT_NEAR(widths[16], 202.18f, 0.01);
    EXPECT_NEAR(widths[17], 222.40f, 0.01);
    EXPECT_NEAR(world.player.height, 55.60f, 0.01);
    EXPECT_FLOAT_EQ(widths[18], widths[17]);
    EXPECT_FLOAT_EQ(widths[19], widths[17]);
    EXPECT_EQ(world.player.eatenCount, 120);
    EXPECT_EQ(world.player.score, 120 * 28);
}

TEST_F(EatingTest, APlayerExactly210WideDoesNotGrow)
{
    world.player.width = 210;
    world.player.node->setPosition(10, 10, 1);
    eatUntilSixthIsNext();
    eat();
    EXPECT_FLOAT_EQ(world.player.width, 210);
    EXPECT_EQ(world.player.node->getScale(), Ogre::Vector3::UNIT_SCALE);
}

TEST_F(EatingTest, AGrownFishIsPushedBackInsideTheRightAndTopEdges)
{
    // 100 wide becomes 110: placed at 393.7, the right edge ends 3.7 past 500.
    world.player.width = 100;
    world.player.height = 10;
    world.player.node->setPosition(393.7f, 100, 1);
    eatUntilSixthIsNext();
    eat();
    EXPECT_NEAR(world.player.node->getPosition().x, 385.7f, 1e-3); // left by 3 + 5
    EXPECT_FLOAT_EQ(world.player.node->getPosition().y, 100);

    // Only 0.6 past: truncated to 0, so it stays where it is.
    world.player.width = 100;
    world.player.node->setPosition(390.6f, 100, 1);
    eatUntilSixthIsNext();
    eat();
    EXPECT_NEAR(world.player.node->getPosition().x, 390.6f, 1e-3);
}

TEST_F(EatingTest, AGrownFishPastBothEdgesMovesLeftThenDown)
{
    world.player.width = 100;
    world.player.height = 50;
    world.player.node->setPosition(395, 348, 1); // grows to 110 x 55: 5 and 3 past
    eatUntilSixthIsNext();
    eat();
    EXPECT_NEAR(world.player.node->getPosition().x, 385, 1e-3);
    EXPECT_NEAR(world.player.node->getPosition().y, 340, 1e-3);
    EXPECT_FLOAT_EQ(world.player.node->getPosition().z, 1);
}
