#include "rules/TankBounds.h"

#include <gtest/gtest.h>

namespace
{
const Rect kTank{0, 0, 500, 400};
}

TEST(LiesStrictlyInside, TouchingAnyEdgeCountsAsOutside)
{
    EXPECT_TRUE(liesStrictlyInside({1, 1, 40, 10}, kTank));
    EXPECT_FALSE(liesStrictlyInside({0, 1, 40, 10}, kTank));
    EXPECT_FALSE(liesStrictlyInside({460, 1, 40, 10}, kTank));
    EXPECT_TRUE(liesStrictlyInside({459.9f, 1, 40, 10}, kTank));
    EXPECT_FALSE(liesStrictlyInside({1, 0, 40, 10}, kTank));
    EXPECT_FALSE(liesStrictlyInside({1, 390, 40, 10}, kTank));
    EXPECT_TRUE(liesStrictlyInside({1, 389.9f, 40, 10}, kTank));
    EXPECT_FALSE(liesStrictlyInside({-1000, -1000, 40, 10}, kTank)); // a lost player
    // Nothing as wide or as high as the tank fits.
    EXPECT_FALSE(liesStrictlyInside({0.5f, 1, 500, 10}, kTank));
    EXPECT_FALSE(liesStrictlyInside({1, 0.5f, 40, 400}, kTank));
}

TEST(HasLeftTank, AFishIsGoneOnlyOncePastTheFarEdge)
{
    // Swimming in from either side, a fish just outside with its edge on the tank's edge
    // is still in: that is where every fish starts.
    EXPECT_FALSE(hasLeftTank({-28, 50, 28, 7}, kTank));
    EXPECT_FALSE(hasLeftTank({500, 50, 28, 7}, kTank));
    EXPECT_TRUE(hasLeftTank({-28.5f, 50, 28, 7}, kTank));
    EXPECT_TRUE(hasLeftTank({500.5f, 50, 28, 7}, kTank));
    EXPECT_FALSE(hasLeftTank({200, 50, 28, 7}, kTank));
    // Height plays no part: fish only swim sideways.
    EXPECT_FALSE(hasLeftTank({200, 900, 28, 7}, kTank));
}
