#include "app/RenderSettings.h"

#include <gtest/gtest.h>

TEST(RenderSettings, AWindowSizeIsTheEnginesOwnFormWithSidesThatMakeAWindow)
{
    EXPECT_TRUE(isWindowSize("1024 x 768"));
    EXPECT_TRUE(isWindowSize("1024 x  768")); // as the engine writes it
    EXPECT_TRUE(isWindowSize("1 x 1"));
    EXPECT_TRUE(isWindowSize("16384 x 16384"));
    EXPECT_FALSE(isWindowSize("1024x768"));
    EXPECT_FALSE(isWindowSize("0 x 0"));
    EXPECT_FALSE(isWindowSize("1024 x 0"));
    EXPECT_FALSE(isWindowSize("16385 x 768"));
    EXPECT_FALSE(isWindowSize("-1024 x 768"));
    EXPECT_FALSE(isWindowSize("1024 x 768 garbage"));
    EXPECT_FALSE(isWindowSize("garbage"));
    EXPECT_FALSE(isWindowSize(""));
}

TEST(RenderSettings, TheGameWindowFitsOnlyAScreenAtLeastAsLarge)
{
    EXPECT_TRUE(windowFits("1024 x 768", "1280 x 1024"));
    EXPECT_TRUE(windowFits("1024 x 768", "1024 x 768"));
    EXPECT_FALSE(windowFits("1024 x 768", "800 x 600"));
    EXPECT_FALSE(windowFits("1024 x 768", "1280 x 720"));
}
