#include "rules/BestScore.h"

#include <gtest/gtest.h>

TEST(BestScore, OneLineWithAWholeNumberIsABestScore)
{
    int score = -1;
    EXPECT_TRUE(parseBestScore("345\n", score));
    EXPECT_EQ(score, 345);
    EXPECT_TRUE(parseBestScore("0", score));
    EXPECT_EQ(score, 0);
    EXPECT_TRUE(parseBestScore("2147483647\r\n", score));
    EXPECT_EQ(score, 2147483647);
    EXPECT_TRUE(parseBestScore(bestScoreText(1234), score));
    EXPECT_EQ(score, 1234);
}

TEST(BestScore, AnythingElseIsNoBestScoreAndLeavesTheValueAlone)
{
    for (const char* text : {"", "\n", "   ", "-5", "+5", "12abc", "abc", "1 2", "3.5",
                             "2147483648", "99999999999999999999", " 345", "345\n678", "\x01\x02"})
    {
        int score = 77;
        EXPECT_FALSE(parseBestScore(text, score)) << '"' << text << '"';
        EXPECT_EQ(score, 77);
    }
}

TEST(BestScore, TheHudLine)
{
    EXPECT_EQ(bestCaption(345), "BEST: 345");
}
