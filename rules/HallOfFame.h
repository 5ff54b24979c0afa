#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One game in the hall of fame.
struct FameEntry
{
    std::string name; // the player's, as settings.cfg or the account gives it
    int score = 0;
    int meals = 0;
    std::string end; // how it ended: "bigger fish", "shark", "hook" or "quit"
    int pacePercent = 100;
    std::int64_t date = 0; // calendar seconds when it ended
    std::string replay;    // its replay's file name in the replays folder; empty: none kept
};

constexpr std::size_t kFameEntries = 10;

// The ten best games, best first; of two equal scores the one played first stays above.
struct HallOfFame
{
    std::vector<FameEntry> entries;
};

// Where a game of this score would stand (0 for the top), or -1 when it does not enter.
int fameRank(const HallOfFame& hall, int score);
// Puts the game in its place; the eleventh falls out and is handed back (its replay is then
// the caller's to remove). Returns the game's row, or -1 when it did not enter (`fallen`
// then holds nothing).
int enterGame(HallOfFame& hall, const FameEntry& game, std::vector<FameEntry>& fallen);

// The file's text: a first line naming the format, then one game a line, its fields
// separated by tabs and the name last.
std::string hallOfFameText(const HallOfFame& hall);
// False for a file that is not a hall of fame or holds a line it cannot read.
bool parseHallOfFame(const std::string& text, HallOfFame& hall);

// A name as the hall keeps it: no tabs, line breaks or other control characters, at most
// 24 characters (whole UTF-8 characters), "Player" when nothing is left.
std::string fameName(const std::string& name);

// The rows as the HUD lists them: "1.  Ada  345  12 meals  shark  75%  2026-12-09".
std::vector<std::string> fameLines(const HallOfFame& hall);
