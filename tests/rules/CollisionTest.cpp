#include "rules/Collision.h"

#include <gtest/gtest.h>

TEST(RectsTouch, RectanglesThatShareAnEdgeOrACornerTouch)
{
    const Rect a{0, 10, 40, 10};
    EXPECT_TRUE(rectsTouch(a, {40, 10, 40, 10}));
    EXPECT_TRUE(rectsTouch({40, 10, 40, 10}, a));
    EXPECT_FALSE(rectsTouch(a, {40.5f, 10, 40, 10}));
    EXPECT_FALSE(rectsTouch({40.5f, 10, 40, 10}, a));
    // Sharing only the top edge, or only a corner, still counts.
    EXPECT_TRUE(rectsTouch(a, {0, 20, 40, 10}));
    EXPECT_TRUE(rectsTouch(a, {40, 20, 40, 10}));
    EXPECT_FALSE(rectsTouch(a, {40, 20.5f, 40, 10}));
    EXPECT_FALSE(rectsTouch(a, {-40.5f, 10, 40, 10}));
    EXPECT_FALSE(rectsTouch(a, {0, -0.5f, 40, 10}));
}

TEST(RectsTouch, ARectangleInsideABiggerOneTouchesIt)
{
    const Rect big{100, 100, 200, 50};
    const Rect small{150, 120, 28, 7};
    EXPECT_TRUE(rectsTouch(big, small));
    EXPECT_TRUE(rectsTouch(small, big));
}

TEST(HookReaches, FifteenUnitsAroundItsCornerOnEverySideEdgesIncluded)
{
    const Rect player{200, 300, 40, 10}; // centre (220, 305): reach 35 across, 20 up and down
    EXPECT_TRUE(hookReaches({185, 285}, player));
    EXPECT_FALSE(hookReaches({184.5f, 285}, player));
    EXPECT_FALSE(hookReaches({185, 284.5f}, player));
    EXPECT_TRUE(hookReaches({255, 325}, player));
    EXPECT_FALSE(hookReaches({255.5f, 325}, player));
    EXPECT_FALSE(hookReaches({255, 325.5f}, player));
    EXPECT_TRUE(hookReaches({220, 305}, player));
    EXPECT_FALSE(hookReaches({1000, 1000}, player)); // parked out of view
}
