#include "game/CameraTrackListener.h"

#include "support/GameTest.h"

// An hour of play at 60 frames a second with a player that never moves: every fish that
// swims out or is eaten must give back its nodes and pictures.
TEST(LongGame, TheSceneHoldsOnlyTheFishThatAreInTheTank)
{
    SteadyDice dice;
    PlayableTank tank(&dice);
    const size_t baseNodes = tank.engine.sceneNodeCount();
    const size_t baseSets = tank.engine.billboardSetCount();
    size_t mostFish = 0;
    for (int minute = 1; minute <= 60; ++minute)
    {
        for (int i = 0; i < 60 * 60; ++i)
            ASSERT_TRUE(tank.frame(1.0f / 60));
        const size_t fish = tank.world.fishes.size();
        mostFish = std::max(mostFish, fish);
        ASSERT_EQ(tank.engine.sceneNodeCount(), baseNodes + 3 * fish) << minute;
        ASSERT_EQ(tank.engine.billboardSetCount(), baseSets + 2 * fish) << minute;
    }
    // Fish cross in at most 25 s at the slowest speed, one arriving each second.
    EXPECT_LE(mostFish, 30u);
    EXPECT_GT(mostFish, 0u);
}
