// hall-of-fame.txt as the game reads it at start, and a game entered into what it read.

#include "FuzzCheck.h"
#include "rules/HallOfFame.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    HallOfFame hall;
    if (!parseHallOfFame(text, hall))
        return 0;
    fuzzCheck(hall.entries.size() <= kFameEntries, "a hall holds ten games at most");
    HallOfFame again;
    fuzzCheck(parseHallOfFame(hallOfFameText(hall), again) &&
                  hallOfFameText(again) == hallOfFameText(hall),
              "a hall the game read is written back as a file that reads the same");
    std::vector<FameEntry> fallen;
    const int row = enterGame(hall, FameEntry{"Ada", 50, 5, "shark", 100, 0, "x.replay"}, fallen);
    fuzzCheck(hall.entries.size() <= kFameEntries && fallen.size() <= 1,
              "entering a game keeps ten at most, and pushes one out at most");
    for (std::size_t i = 1; i < hall.entries.size(); ++i)
        fuzzCheck(hall.entries[i - 1].score >= hall.entries[i].score, "the best game is first");
    fuzzCheck(row < 0 || hall.entries[std::size_t(row)].name == "Ada", "the game is at its row");
    return 0;
}
