// The hall of fame's file and the replays it keeps.
#include "game/HallOfFameFile.h"

#include "support/GameTest.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
class HallOfFameFileTest : public GameTest
{
protected:
    HallOfFameFileTest() { fs::create_directories(folder); }
    ~HallOfFameFileTest() override { fs::remove_all(folder); }

    // A recorded game's file in the replays folder.
    std::string recorded(const std::string& name)
    {
        std::ofstream(folder + "/" + name) << "a game: " << name;
        return folder + "/" + name;
    }

    const std::string folder =
        fs::temp_directory_path() / ("fishtank-hall-test-" + std::to_string(getpid()));
};
} // namespace

TEST_F(HallOfFameFileTest, AGameEntersWithItsReplayWhichLeavesWithItAndAGarbledFileIsKeptAside)
{
    platform.files[kHallOfFameFile] = "my own notes\n";
    HallOfFameFile hall(platform, folder);
    EXPECT_TRUE(hall.hall().entries.empty());
    // Ten games fill the hall, each keeping a copy of its replay under a name of its own.
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(hall.enter(FameEntry{"Ada", 10 * i, i, "shark", 100, i, ""},
                             recorded("game-" + std::to_string(i) + ".replay")),
                  0);
    EXPECT_EQ(platform.files[std::string(kHallOfFameFile) + ".bad"], "my own notes\n");
    EXPECT_TRUE(fs::exists(folder + "/fame-game-1.replay"));
    EXPECT_EQ(hall.hall().entries.back().replay, "fame-game-1.replay");

    // The eleventh game pushes the lowest out, and its kept replay goes with it; the
    // recordings themselves are the recorder's to keep or prune.
    EXPECT_EQ(hall.enter(FameEntry{"Bo", 55, 5, "hook", 75, 11, ""}, recorded("game-11.replay")),
              5);
    EXPECT_FALSE(fs::exists(folder + "/fame-game-1.replay"));
    EXPECT_TRUE(fs::exists(folder + "/game-1.replay"));
    EXPECT_TRUE(fs::exists(folder + "/fame-game-11.replay"));
    // A game below the tenth leaves everything as it is.
    EXPECT_EQ(hall.enter(FameEntry{"Cy", 15, 1, "quit", 100, 12, ""}, recorded("game-12.replay")),
              -1);
    EXPECT_FALSE(fs::exists(folder + "/fame-game-12.replay"));

    // The next start reads the same hall back, the game without a replay included.
    hall.enter(FameEntry{"Di", 500, 50, "bigger fish", 50, 13, ""}, "");
    HallOfFameFile again(platform, folder);
    ASSERT_EQ(again.hall().entries.size(), 10u);
    EXPECT_EQ(again.hall().entries[0].name, "Di");
    EXPECT_EQ(again.hall().entries[0].replay, "");
    EXPECT_EQ(again.hall().entries[0].pacePercent, 50);
    EXPECT_EQ(again.hall().entries[6].name, "Bo");

    // A file that is there but cannot be read is never replaced.
    platform.unreadable.insert(kHallOfFameFile);
    const std::string before = platform.files[kHallOfFameFile];
    HallOfFameFile unreadable(platform, folder);
    EXPECT_EQ(unreadable.enter(FameEntry{"Ed", 900, 9, "shark", 100, 14, ""}, ""), 0);
    EXPECT_EQ(platform.files[kHallOfFameFile], before);
}
