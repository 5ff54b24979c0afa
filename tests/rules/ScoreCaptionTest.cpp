#include "rules/ScoreCaption.h"

#include <gtest/gtest.h>

TEST(ScoreCaption, CountsDownTheMealsToTheNextGrowth)
{
    EXPECT_EQ(scoreCaption(28, 1), "SCORE: 28   Fish To Eat: 5");
    EXPECT_EQ(scoreCaption(68, 2), "SCORE: 68   Fish To Eat: 4");
    EXPECT_EQ(scoreCaption(300, 5), "SCORE: 300   Fish To Eat: 1");
    EXPECT_EQ(scoreCaption(400, 6), "SCORE: 400   Fish To Eat: 6");
    EXPECT_EQ(scoreCaption(428, 7), "SCORE: 428   Fish To Eat: 5");
    EXPECT_EQ(scoreCaption(0, 0), "SCORE: 0   Fish To Eat: 6");
    EXPECT_EQ(scoreCaption(-5, 0), "SCORE: -5   Fish To Eat: 6");
    EXPECT_EQ(scoreCaption(2147483647, 108), "SCORE: 2147483647   Fish To Eat: 6");
}
