#include "app/FramePacing.h"

#include <gtest/gtest.h>

TEST(FramePacing, AGameInPlayNeverRests)
{
    EXPECT_EQ(restAfterFrame(true, false, 0.001), 0);
    EXPECT_EQ(restAfterFrame(true, false, 0.5), 0);
}

TEST(FramePacing, APausedGameDrawsAtMostThirtyFramesASecond)
{
    EXPECT_NEAR(restAfterFrame(true, true, 0.010), 1.0 / 30 - 0.010, 1e-9);
    EXPECT_NEAR(restAfterFrame(true, true, 0.0), 1.0 / 30, 1e-9);
    EXPECT_EQ(restAfterFrame(true, true, 0.040), 0) << "a slow frame is not slowed further";
}

TEST(FramePacing, AHiddenWindowRestsBetweenInputReads)
{
    EXPECT_EQ(restAfterFrame(false, false, 0.001), FramePacing::kHiddenRestSeconds);
    EXPECT_EQ(restAfterFrame(false, true, 0.001), FramePacing::kHiddenRestSeconds);
    EXPECT_GE(FramePacing::kHiddenRestSeconds, 0.02) << "a few per cent of a core at most";
    EXPECT_LE(FramePacing::kHiddenRestSeconds, 0.05) << "input still read promptly";
}
