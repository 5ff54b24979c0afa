#include "rules/Growth.h"

#include <gtest/gtest.h>

namespace
{
const Rect kTank{0, 0, 500, 400};
}

TEST(Growth, EverySixthMealWhileNarrowerThan210)
{
    EXPECT_FALSE(growsAfterMeal(5, 40));
    EXPECT_TRUE(growsAfterMeal(6, 40));
    EXPECT_FALSE(growsAfterMeal(7, 40));
    EXPECT_TRUE(growsAfterMeal(12, 209.9f));
    EXPECT_FALSE(growsAfterMeal(12, 210));
    EXPECT_FALSE(growsAfterMeal(108, 222.4f));
}

TEST(Growth, EachStepIsATenthAsA32BitFloat)
{
    float width = 40;
    float widths[18];
    for (float& w : widths)
        w = width = grown(width);
    EXPECT_FLOAT_EQ(widths[0], 44);
    EXPECT_FLOAT_EQ(widths[1], 48.4f);
    EXPECT_NEAR(widths[2], 53.24f, 1e-4);
    EXPECT_NEAR(widths[16], 202.18f, 0.01);
    EXPECT_NEAR(widths[17], 222.40f, 0.01);
    EXPECT_EQ(grown(40), 40 * 1.1f);
}

TEST(KeptInside, AnEdgePastTheTankMovesBackByTheTruncatedOvershootAndFive)
{
    // 3.7 past the right edge: left by 3 + 5.
    Rect moved = keptInside({393.7f, 100, 110, 11}, kTank);
    EXPECT_NEAR(moved.x, 385.7f, 1e-3);
    EXPECT_FLOAT_EQ(moved.y, 100);
    // Only 0.6 past: truncated to 0, so it stays.
    moved = keptInside({390.6f, 100, 110, 11}, kTank);
    EXPECT_NEAR(moved.x, 390.6f, 1e-3);
    // Past the right and the top edge: left, then down.
    moved = keptInside({395, 348, 110, 55}, kTank);
    EXPECT_NEAR(moved.x, 385, 1e-3);
    EXPECT_NEAR(moved.y, 340, 1e-3);
    EXPECT_FLOAT_EQ(moved.width, 110);
    // Inside already: nothing moves; the left and bottom edges are never tested.
    moved = keptInside({-20, -20, 44, 11}, kTank);
    EXPECT_FLOAT_EQ(moved.x, -20);
    EXPECT_FLOAT_EQ(moved.y, -20);
}

TEST(KeptInside, TheTanksOwnCornerCounts)
{
    const Rect tank{100, 50, 500, 400};
    const Rect moved = keptInside({550, 430, 60, 30}, tank); // 10 and 10 past
    EXPECT_FLOAT_EQ(moved.x, 535);
    EXPECT_FLOAT_EQ(moved.y, 415);
}
