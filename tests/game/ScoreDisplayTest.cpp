#include "game/ScoreDisplay.h"

#include "game/CameraTrackListener.h"
#include "game/GameSounds.h"
#include "support/GameTest.h"

using ScoreDisplayTest = GameTest;

TEST_F(ScoreDisplayTest, TheScoreLineShowsTheResourceCaptionUntilTheFirstMeal)
{
    EXPECT_EQ(engine.caption("ScoreTextArea"), "from the resources");
    world.player.score = 40;
    world.player.eatenCount = 1;
    updateScoreCaption(world.player);
    EXPECT_EQ(engine.caption("ScoreTextArea"), "SCORE: 40   Fish To Eat: 5");
}

TEST_F(ScoreDisplayTest, GameOverShowsTheBannerThenPlaysTheSadSound)
{
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay"));
    GameSounds sounds(platform);
    showGameOver(listener->gameOverOverlay, sounds);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "GAME OVER");
    EXPECT_TRUE(engine.overlayVisible("GameOverOverlay"));
    ASSERT_EQ(platform.sounds.size(), 1u);
    EXPECT_EQ(platform.sounds[0], ".\\resources\\boo.wav");

    // With the sounds switched off (M) the banner still shows, silently.
    sounds.switchOnOrOff();
    showGameOver(listener->gameOverOverlay, sounds);
    EXPECT_EQ(platform.sounds.size(), 1u);
}
