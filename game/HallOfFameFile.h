#pragma once

#include "rules/HallOfFame.h"

#include <string>

class Platform;

// The hall of fame, kept in hall-of-fame.txt in the game's folder beside the best score. A
// file that cannot be read as one is kept aside as hall-of-fame.txt.bad when the next game
// enters, and a new hall is begun; a file there that cannot be read at all is never
// replaced. Each game's replay is copied beside the others as fame-<its name> and kept as
// long as the game stands in the hall.
class HallOfFameFile
{
public:
    HallOfFameFile(Platform& platform, std::string replayFolder);

    const HallOfFame& hall() const { return kept; }
    // Where the entries' replays are kept.
    const std::string& folder() const { return replayFolder; }
    // A finished game, recorded in `replayPath` (empty: not recorded): its row, or -1 when
    // it does not enter. The game that falls out takes its replay with it.
    int enter(FameEntry game, const std::string& replayPath);

private:
    Platform& platform;
    std::string replayFolder;
    HallOfFame kept;
    bool garbled = false;  // the file held something else: kept aside before a new one
    bool readOnly = false; // the file is there but could not be read: never replaced
};

constexpr const char* kHallOfFameFile = "hall-of-fame.txt";
