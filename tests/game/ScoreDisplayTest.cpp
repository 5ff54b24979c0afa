#include "game/ScoreDisplay.h"

#include "game/CameraTrackListener.h"
#include "support/EngineFixture.h"

TEST(ScoreCaption, CountsDownTheMealsToTheNextGrowth)
{
    EXPECT_EQ(scoreCaption(28, 1), "SCORE: 28   Fish To Eat: 5");
    EXPECT_EQ(scoreCaption(68, 2), "SCORE: 68   Fish To Eat: 4");
    EXPECT_EQ(scoreCaption(300, 5), "SCORE: 300   Fish To Eat: 1");
    EXPECT_EQ(scoreCaption(400, 6), "SCORE: 400   Fish To Eat: 6");
    EXPECT_EQ(scoreCaption(428, 7), "SCORE: 428   Fish To Eat: 5");
    EXPECT_EQ(scoreCaption(0, 0), "SCORE: 0   Fish To Eat: 6");
    EXPECT_EQ(scoreCaption(-5, 0), "SCORE: -5   Fish To Eat: 6");
}

using ScoreDisplayTest = GameTest;

TEST_F(ScoreDisplayTest, TheScoreLineShowsTheResourceCaptionUntilTheFirstMeal)
{
    EXPECT_EQ(engine.caption("ScoreTextArea"), "from the resources");
    world.player.score = 40;
    world.player.eatenCount = 1;
    updateScoreCaption(*listener);
    EXPECT_EQ(engine.caption("ScoreTextArea"), "SCORE: 40   Fish To Eat: 5");
}

TEST_F(ScoreDisplayTest, GameOverShowsTheBannerThenPlaysTheSadSound)
{
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay"));
    showGameOver(*listener);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "GAME OVER");
    EXPECT_TRUE(engine.overlayVisible("GameOverOverlay"));
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0], ".\\resources\\boo.wav");
}
