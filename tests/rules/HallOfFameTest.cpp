// The ten best games: where a game enters, who falls out, and the file that keeps them.
#include "rules/HallOfFame.h"

#include <gtest/gtest.h>

namespace
{
FameEntry game(int score, const std::string& replay)
{
    return FameEntry{"Ada", score, score / 10, "shark", 100, 1765000000 + score, replay};
}

// The replays of the hall's rows, top first.
std::string rows(const HallOfFame& hall)
{
    std::string all;
    for (const FameEntry& e : hall.entries)
        all += e.replay + " ";
    return all;
}
} // namespace

TEST(HallOfFame, GamesEnterInScoreOrderTiesStayBelowTheEarlierAndTheEleventhFallsOut)
{
    HallOfFame hall;
    std::vector<FameEntry> fallen;
    const struct
    {
        int score;
        const char* replay;
        int row;             // where it enters, -1: it does not
        const char* hall;    // the rows after it
        const char* fellOut; // the replay handed back, if any
    } steps[] = {
        {50, "a", 0, "a ", ""},
        {80, "b", 0, "b a ", ""},
        {50, "c", 2, "b a c ", ""},  // a tie goes below the game played first
        {0, "d", 3, "b a c d ", ""}, // even a score of nothing enters an unfilled hall
        {60, "e", 1, "b e a c d ", ""},
        {10, "f", 4, "b e a c f d ", ""},
        {20, "g", 4, "b e a c g f d ", ""},
        {30, "h", 4, "b e a c h g f d ", ""},
        {40, "i", 4, "b e a c i h g f d ", ""},
        {45, "j", 4, "b e a c j i h g f d ", ""},
        {90, "k", 0, "k b e a c j i h g f ", "d"}, // the eleventh game pushes the last out
        {10, "l", -1, "k b e a c j i h g f ", ""}, // a tie with the tenth does not enter
        {5, "m", -1, "k b e a c j i h g f ", ""},  // nor a game below it
        {21, "n", 8, "k b e a c j i h n g ", "f"},
    };
    for (const auto& s : steps)
    {
        EXPECT_EQ(fameRank(hall, s.score), s.row) << s.replay;
        EXPECT_EQ(enterGame(hall, game(s.score, s.replay), fallen), s.row) << s.replay;
        EXPECT_EQ(rows(hall), s.hall) << s.replay;
        EXPECT_EQ(fallen.empty() ? "" : fallen[0].replay, std::string(s.fellOut)) << s.replay;
    }

    // The file gives the same hall back; a file changed by hand or garbled is refused whole.
    HallOfFame read;
    ASSERT_TRUE(parseHallOfFame(hallOfFameText(hall), read));
    EXPECT_EQ(rows(read), rows(hall));
    EXPECT_EQ(read.entries[0].name, "Ada");
    EXPECT_EQ(read.entries[0].end, "shark");
    const std::string good = hallOfFameText(hall);
    const std::string first = good.substr(0, good.find('\n') + 1);
    for (const std::string& bad : {
             std::string(""), std::string("not a hall of fame\n"),
             first + "12\t1\tshark\t100\t1765000000\tx.replay\n",               // a field missing
             first + "12\t1\tcrab\t100\t1765000000\tx.replay\tAda\n",           // an unknown end
             first + "-3\t1\tshark\t100\t1765000000\tx.replay\tAda\n",          // a negative score
             first + "9999999999999999999\t1\tshark\t100\t17\tx.replay\tAda\n", // a huge score
             first + "12\t1\tshark\t100\t1765000000\t../x.replay\tAda\n",       // a path out
             first + "12\t1\tshark\t100\t17\tx\tAda\n13\t1\tshark\t100\t17\ty\tBo\n", // order
             good + "1\t0\tquit\t100\t1765000000\tz.replay\tAda\n", // an eleventh row
         })
        EXPECT_FALSE(parseHallOfFame(bad, read)) << bad;
}

TEST(HallOfFame, NamesAreKeptToOneLineOfTwentyFourCharacters)
{
    EXPECT_EQ(fameName("Ada Lovelace"), "Ada Lovelace");
    EXPECT_EQ(fameName("  Ada\tLove\nlace  "), "AdaLovelace");
    EXPECT_EQ(fameName(""), "Player");
    EXPECT_EQ(fameName("\x01\x02 "), "Player");
    EXPECT_EQ(fameName(std::string(30, 'x')), std::string(24, 'x'));
    // Whole characters: 24 two-byte letters are kept whole, the 25th is left out.
    std::string umlauts;
    for (int i = 0; i < 25; ++i)
        umlauts += "\xc3\xa4";
    EXPECT_EQ(fameName(umlauts), umlauts.substr(0, 48));
}
