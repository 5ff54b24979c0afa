#include "rules/SpawnPlan.h"

#include "support/ScriptedDice.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace
{
// The game's tank: its corner at the origin, 500 by 400.
Rect tankOf(float width, float height)
{
    return Rect{0, 0, width, height};
}
const Rect kTank = tankOf(500, 400);
} // namespace

TEST(SpawnPlan, FiveDrawsAfterOneReseedMakeASharkAlwaysSized160)
{
    ScriptedDice dice({5, 0, 0, 6, 0});
    const SpawnPlan plan = planSpawn(dice, kTank);
    EXPECT_EQ(dice.reseeds, 1);
    EXPECT_EQ(dice.rolls, 5);
    EXPECT_TRUE(plan.isShark);
    EXPECT_EQ(plan.size, 160); // not the 200 that the fourth draw picked
    EXPECT_EQ(plan.height, 40);
    EXPECT_EQ(plan.speed, 20);
    EXPECT_EQ(plan.x, 500);
    EXPECT_EQ(plan.y, 0);
    EXPECT_EQ(plan.direction, -1);
    EXPECT_EQ(plan.leftMaterial, "Examples/SharkFish");
    EXPECT_EQ(plan.rightMaterial, "Examples/SharkFishRight");
}

TEST(SpawnPlan, ASmallZorvFishEntersFromTheLeft)
{
    ScriptedDice dice({0, 149, 1, 0, 0});
    const SpawnPlan plan = planSpawn(dice, kTank);
    EXPECT_FALSE(plan.isShark);
    EXPECT_EQ(plan.leftMaterial, "Examples/ZorvFish");
    EXPECT_EQ(plan.speed, 169);
    EXPECT_EQ(plan.size, 28);
    EXPECT_EQ(plan.height, 7);
    EXPECT_EQ(plan.x, -28);
    EXPECT_EQ(plan.direction, 1);
}

TEST(SpawnPlan, KindsAndSizesAreDrawnFromTheirOwnTables)
{
    const char* kinds[] = {"ZorvFish", "RedFish", "YellowFish", "GreenFish", "PurpleFish"};
    const int sizes[] = {28, 40, 60, 80, 100, 160, 200};
    for (int kind = 0; kind < 5; ++kind)
    {
        ScriptedDice dice({kind + 6, 0, 0, kind + 7, 0}); // draws wrap around their tables
        const SpawnPlan plan = planSpawn(dice, kTank);
        EXPECT_EQ(plan.leftMaterial, std::string("Examples/") + kinds[kind]);
        EXPECT_EQ(plan.size, sizes[kind]);
        EXPECT_EQ(plan.height, sizes[kind] / 4);
    }
    // A fish that is no shark may still be as large as one.
    ScriptedDice dice({2, 0, 0, 5, 0});
    const SpawnPlan big = planSpawn(dice, kTank);
    EXPECT_FALSE(big.isShark);
    EXPECT_EQ(big.size, 160);
}

TEST(SpawnPlan, TheFishAlwaysFitsTheTanksHeight)
{
    ScriptedDice highest({0, 0, 0, 6, 349});
    EXPECT_EQ(planSpawn(highest, kTank).y, 349);
    ScriptedDice wrapped({0, 0, 0, 6, 350});
    EXPECT_EQ(planSpawn(wrapped, kTank).y, 0);
}

TEST(SpawnPlan, PlacesAreTruncatedTowardZeroFromTheTanksCorner)
{
    ScriptedDice fromLeft({0, 0, 1, 0, 3});
    const SpawnPlan left = planSpawn(fromLeft, Rect{10.7f, 20.9f, 500, 400});
    EXPECT_EQ(left.x, -17); // 10.7 - 28 = -17.3
    EXPECT_EQ(left.y, 23);  // 20.9 + 3 = 23.9
    ScriptedDice fromRight({0, 0, 0, 0, 0});
    EXPECT_EQ(planSpawn(fromRight, Rect{10.7f, 0, 500, 400}).x, 510);
}

TEST(SpawnPlan, ATankTooLowForTheFishIsAClearErrorNotADivisionByZero)
{
    ScriptedDice exact({0, 0, 0, 6, 0}); // 200 wide, 50 high, in a tank 50 high
    EXPECT_THROW(planSpawn(exact, tankOf(500, 50)), std::invalid_argument);
    ScriptedDice lower({0, 0, 0, 6, 0});
    EXPECT_THROW(planSpawn(lower, tankOf(500, 20)), std::invalid_argument);
    ScriptedDice roomy({0, 0, 0, 6, 7});
    EXPECT_EQ(planSpawn(roomy, tankOf(500, 51)).y, 0); // one place left: y 0
}
