#include "app/RenderLoopListener.h"

#include "game/CameraTrackListener.h"
#include "support/GameTest.h"

// The log lines the real game's tests wait for instead of time: each says a frame is on the
// screen, and comes once, after the first frame that shows the change.
class RenderLoopTest : public GameTest
{
protected:
    void frameEnds() { loop.frameEnded(Ogre::FrameEvent{}); }
    int said(const std::string& line) const { return engine.logCatcher.count(line); }

    RenderLoopListener loop{&window, listener.get(), platform};
};

TEST_F(RenderLoopTest, TheLogSaysWhenTheFirstFrameAtANewWindowSizeIsOnTheScreen)
{
    frameEnds();
    frameEnds();
    EXPECT_EQ(said(kFirstFrameLine), 1);
    EXPECT_EQ(said("A frame of 1024x768 is on the screen"), 0);
    window.resize(800, 600);
    frameEnds();
    frameEnds();
    EXPECT_EQ(said("A frame of 800x600 is on the screen"), 1);
    window.resize(1024, 768);
    frameEnds();
    EXPECT_EQ(said("A frame of 1024x768 is on the screen"), 1);
}

TEST_F(RenderLoopTest, TheLogSaysWhenThePausedGameAndTheGameGoingOnAreOnTheScreen)
{
    frameEnds();
    EXPECT_EQ(said(kPausedLine), 0);
    tap({OIS::KC_P});
    frameEnds();
    frameEnds();
    EXPECT_EQ(said(kPausedLine), 1);
    EXPECT_EQ(said(kGoesOnLine), 0);
    tap({OIS::KC_P});
    frameEnds();
    EXPECT_EQ(said(kGoesOnLine), 1);
    EXPECT_EQ(said(kPausedLine), 1);
}
