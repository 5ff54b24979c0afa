#include "platform/Dice.h"

#include <gtest/gtest.h>

#include <cstdlib>

// A game played inside another draws from a sequence of its own: the outer game's next draws
// are those it would have had, and the inner game's seeds give the usual draws.
TEST(Dice, ASeparateSequenceLeavesTheOtherGamesDrawsAsTheyWere)
{
    SystemDice::reseedFrom(1796000000);
    const int first = std::rand(), second = std::rand(), third = std::rand();
    SystemDice::reseedFrom(1796000123);
    const int inner = std::rand();

    SystemDice::reseedFrom(1796000000);
    EXPECT_EQ(std::rand(), first);
    {
        SeparateDiceSequence watched;
        SystemDice::reseedFrom(1796000123);
        EXPECT_EQ(std::rand(), inner);
        for (int i = 0; i < 1000; ++i)
            std::rand();
    }
    EXPECT_EQ(std::rand(), second);
    EXPECT_EQ(std::rand(), third);
}
