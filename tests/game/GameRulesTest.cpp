#include "game/CameraTrackListener.h"

#include "rules/Fish.h"
#include "support/GameTest.h"

#include <OgreSceneNode.h>

namespace
{
const Ogre::Vector3 kParkedHook(1000, 1000, 2);
const Ogre::Vector3 kGone(-1000, -1000, 1000);
const std::string kGulp = ".\\resources\\gulp.wav";
const std::string kBoo = ".\\resources\\boo.wav";

class GameRulesTest : public GameTest
{
protected:
    int sounds(const std::string& name) const
    {
        return int(std::count(platform.sounds.begin(), platform.sounds.end(), name));
    }
    // Keeps the hook away for the whole test: its first delay is the longest.
    void holdHookBack() { dice.draws = {14}; }
};
} // namespace

TEST_F(GameRulesTest, TheFirstHookDelayIsDrawnBeforeAnythingElse)
{
    dice.draws = {13};
    frame(0.5f);
    EXPECT_EQ(dice.rolls, 1);
    EXPECT_FLOAT_EQ(listener->clocks().hookTimer, 18 - 0.5f);
    frame(0.5f);
    EXPECT_EQ(dice.rolls, 1);
    EXPECT_FLOAT_EQ(listener->clocks().hookTimer, 17);
}

TEST_F(GameRulesTest, AFishArrivesAfterThreeSecondsAndThenEverySecond)
{
    holdHookBack();
    frame(1);
    frame(1);
    frame(0.5f);
    EXPECT_TRUE(world.fishes.empty());
    frame(0.5f);
    EXPECT_EQ(world.fishes.size(), 1u);
    EXPECT_FLOAT_EQ(listener->clocks().spawnTimer, 1);
    frame(0.5f);
    EXPECT_EQ(world.fishes.size(), 1u);
    frame(0.5f);
    EXPECT_EQ(world.fishes.size(), 2u);
}

TEST_F(GameRulesTest, ALongFrameAddsOneFishAndMovesTheHookOnce)
{
    dice.draws = {0};  // the hook's first delay: 5 s
    dice.fallback = 7; // every later draw
    frame(12);
    EXPECT_EQ(world.fishes.size(), 1u);
    EXPECT_TRUE(listener->clocks().hookShown);
    EXPECT_EQ(world.hookNode->getPosition(), Ogre::Vector3(47, 207, 2));
    EXPECT_FLOAT_EQ(listener->clocks().hookTimer, 12); // 7 % 15 + 5, overshoot dropped
    EXPECT_FLOAT_EQ(listener->clocks().spawnTimer, 1);
}

TEST_F(GameRulesTest, WhilePausedNothingMovesAndNoClockRuns)
{
    holdHookBack();
    Fish& fish = addFish(300, 50, 28, -1, 100);
    frame(0.1f);
    const Ogre::Vector3 swum = fish.node->getPosition();
    const GameTimers before = listener->clocks();

    keyboard.press(OIS::KC_P);
    frame(0.1f);
    keyboard.releaseAll();
    ASSERT_TRUE(listener->paused);
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(frame(0.1f));
    EXPECT_EQ(world.fishes.size(), 1u);
    EXPECT_EQ(world.fishes[0].node->getPosition(), swum);
    EXPECT_FLOAT_EQ(listener->clocks().spawnTimer, before.spawnTimer);
    EXPECT_FLOAT_EQ(listener->clocks().hookTimer, before.hookTimer);

    keyboard.press(OIS::KC_P);
    frame(0.1f);
    keyboard.releaseAll();
    EXPECT_FALSE(listener->paused);
    EXPECT_LT(world.fishes[0].node->getPosition().x, swum.x);
}

TEST_F(GameRulesTest, TwoSmallFishAreBothEatenInOneFrame)
{
    holdHookBack();
    addFish(210, 300, 28);
    addFish(215, 302, 20);
    addFish(100, 100, 28); // far away, stays
    frame(0.01f);
    ASSERT_EQ(world.fishes.size(), 1u);
    EXPECT_EQ(world.player.score, 48);
    EXPECT_EQ(world.player.eatenCount, 2);
    EXPECT_EQ(engine.caption("ScoreTextArea"), "SCORE: 48   Fish To Eat: 4");
    EXPECT_EQ(sounds(kGulp), 2);
    EXPECT_TRUE(world.player.alive);
}

TEST_F(GameRulesTest, AFishAsWideAsThePlayerEndsTheGameOnce)
{
    holdHookBack();
    addFish(210, 300, 40);
    addFish(205, 300, 80);
    addFish(100, 100, 28);
    frame(0.01f);
    EXPECT_FALSE(world.player.alive);
    EXPECT_EQ(playerPosition(), kGone);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "GAME OVER");
    EXPECT_TRUE(engine.overlayVisible("GameOverOverlay"));
    EXPECT_EQ(sounds(kBoo), 1);
    EXPECT_EQ(world.fishes.size(), 3u); // the winners stay in the tank
    EXPECT_EQ(world.player.score, 0);
}

TEST_F(GameRulesTest, ASharkEndsTheGameWhateverItsWidth)
{
    holdHookBack();
    addFish(210, 300, 28, -1, 0, true);
    frame(0.01f);
    EXPECT_FALSE(world.player.alive);
    EXPECT_EQ(sounds(kBoo), 1);
    EXPECT_EQ(sounds(kGulp), 0);
}

TEST_F(GameRulesTest, AfterGameOverTheTankGoesOnWithoutThePlayer)
{
    holdHookBack();
    addFish(210, 300, 80);
    frame(0.01f);
    ASSERT_FALSE(world.player.alive);
    dice.fallback = 3;
    keyboard.press(OIS::KC_UP); // steering cannot bring the fish back
    for (int i = 0; i < 40 * 60; ++i)
        frame(1.0f / 60);
    EXPECT_EQ(playerPosition(), kGone);
    EXPECT_EQ(world.player.score, 0);
    EXPECT_EQ(sounds(kBoo), 1);
    EXPECT_FALSE(world.fishes.empty());
    EXPECT_TRUE(engine.overlayVisible("GameOverOverlay"));
}

TEST_F(GameRulesTest, AHookDroppedOntoThePlayerEndsTheGameInThatFrame)
{
    dice.draws = {0, 100, 170, 14}; // delay 5 s; y 300, x 210; next delay 19 s
    frame(5);
    EXPECT_FALSE(world.player.alive);
    EXPECT_EQ(playerPosition(), kGone);
    EXPECT_EQ(world.hookNode->getPosition(), kParkedHook);
    EXPECT_TRUE(listener->clocks().hookShown); // left as it was
    EXPECT_EQ(engine.caption("GameOverTextArea"), "GAME OVER");
    EXPECT_EQ(sounds(kBoo), 1);

    // The next expiry takes the parking branch; the one after drops the hook again.
    dice.draws = {0, 0};
    frame(19);
    EXPECT_FALSE(listener->clocks().hookShown);
    EXPECT_EQ(world.hookNode->getPosition(), kParkedHook);
    dice.draws = {0, 0, 0};
    frame(5);
    EXPECT_TRUE(listener->clocks().hookShown);
    EXPECT_EQ(world.hookNode->getPosition(), Ogre::Vector3(40, 200, 2));
}

TEST_F(GameRulesTest, AFishTouchingTheEdgeStaysAndLeavesOnceWhollyOutside)
{
    holdHookBack();
    addFish(-39, 50, 40, -1, 100);
    frame(0.01f); // now at -40: its right edge touches the tank's left edge
    ASSERT_EQ(world.fishes.size(), 1u);
    EXPECT_FLOAT_EQ(world.fishes[0].node->getPosition().x, -40);
    frame(0.01f);
    EXPECT_TRUE(world.fishes.empty());

    addFish(499, 50, 40, 1, 100);
    frame(0.01f);
    ASSERT_EQ(world.fishes.size(), 1u);
    EXPECT_FLOAT_EQ(world.fishes[0].node->getPosition().x, 500);
    frame(0.01f);
    EXPECT_TRUE(world.fishes.empty());
}

TEST_F(GameRulesTest, NeighboursLeavingTogetherAreBothRemovedAndTheNextStillSwims)
{
    holdHookBack();
    const size_t nodes = engine.sceneNodeCount();
    const size_t sets = engine.billboardSetCount();
    addFish(-45, 50, 40, -1, 100);
    addFish(505, 80, 40, 1, 100);
    addFish(250, 20, 40, -1, 100);
    frame(0.1f);
    ASSERT_EQ(world.fishes.size(), 1u);
    EXPECT_FLOAT_EQ(world.fishes[0].node->getPosition().x, 240);
    EXPECT_EQ(engine.sceneNodeCount(), nodes + 3);
    EXPECT_EQ(engine.billboardSetCount(), sets + 2);
}

TEST_F(GameRulesTest, ANewFishMeetsThePlayerBeforeItSwims)
{
    holdHookBack();
    // A red fish, 28 wide, enters from the right at y 300: its left edge is on 500.
    dice.draws.insert(dice.draws.end(), {1, 80, 0, 0, 300});
    world.player.node->setPosition(460, 298, 1);
    frame(3);
    EXPECT_TRUE(world.fishes.empty());
    EXPECT_EQ(world.player.score, 28);
    EXPECT_EQ(sounds(kGulp), 1);
}

TEST_F(GameRulesTest, QuittingStopsTheFrameBeforeTheRules)
{
    holdHookBack();
    Fish& fish = addFish(300, 50, 28, -1, 100);
    keyboard.press(OIS::KC_ESCAPE);
    EXPECT_FALSE(frame(0.1f));
    EXPECT_FLOAT_EQ(fish.node->getPosition().x, 300);
    EXPECT_FLOAT_EQ(listener->clocks().spawnTimer, 3);
}

TEST_F(GameRulesTest, AtHalfSpeedEverythingInTheTankTakesTwiceTheTime)
{
    holdHookBack();
    listener->pace = 0.5f;
    addFish(250, 20, 40, -1, 100);
    const Ogre::Vector3 start = playerPosition();
    keyboard.press(OIS::KC_RIGHT);
    frame(0.1f);
    keyboard.release(OIS::KC_RIGHT);
    // A fish swimming 100 a second and the player's fish each go half as far.
    EXPECT_FLOAT_EQ(world.fishes[0].node->getPosition().x, 245);
    EXPECT_FLOAT_EQ(playerPosition().x - start.x, listener->moveSpeed * 0.05f);
    // The first fish comes after three seconds of the tank's time: six of the player's.
    world.fishes.clear();
    frame(5.7f);
    EXPECT_TRUE(world.fishes.empty());
    frame(0.3f);
    EXPECT_EQ(world.fishes.size(), 1u);
}
