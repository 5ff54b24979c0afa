#include "app/FramePacing.h"

#include <gtest/gtest.h>

TEST(FramePacing, PlayNeverRestsAPauseDrawsThirtyFramesAndAHiddenWindowReadsInput40TimesASecond)
{
    struct Case
    {
        bool visible, paused;
        double frameSeconds, rest;
    };
    const Case cases[] = {
        {true, false, 0.001, 0},
        {true, false, 0.5, 0},
        {true, true, 0.010, 1.0 / 30 - 0.010},
        {true, true, 0.0, 1.0 / 30},
        {true, true, 0.040, 0}, // a slow frame is not slowed further
        {false, false, 0.001, 0.025},
        {false, true, 0.001, 0.025},
        {false, false, 0.5, 0.025},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(restAfterFrame(c.visible, c.paused, c.frameSeconds), c.rest, 1e-9)
            << "visible " << c.visible << ", paused " << c.paused << ", frame " << c.frameSeconds;
}
