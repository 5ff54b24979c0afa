#include "platform/FileCheck.h"
#include "platform/FolderLock.h"
#include "platform/Gamepads.h"
#include "platform/ReplayFolder.h"
#include "platform/SafeFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace
{
// Runs the test in a fresh folder of its own, as the game runs in its working folder.
class FilesTest : public ::testing::Test
{
protected:
    FilesTest() : before(fs::current_path())
    {
        folder = fs::path(testing::TempDir()) /
                 ("fishtank_files_" + std::to_string(getpid()) + "_" +
                  testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::current_path(folder);
    }
    ~FilesTest() override
    {
        fs::current_path(before);
        fs::remove_all(folder);
    }
    static std::string contents(const std::string& name)
    {
        std::ifstream file(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    // Everything in the folder but the given names: no temporary file may stay behind.
    static size_t otherEntries(std::initializer_list<std::string> known)
    {
        size_t count = 0;
        for (const auto& entry : fs::directory_iterator("."))
            if (std::find(known.begin(), known.end(), entry.path().filename()) == known.end())
                ++count;
        return count;
    }

    fs::path before;
    fs::path folder;
};
} // namespace

TEST_F(FilesTest, NumberedFilesCountUpInAnEmptyFolder)
{
    for (unsigned n = 1; n <= 3; ++n)
    {
        const SavedFile saved =
            saveAsNewNumberedFile("shot_", ".png", n, "picture " + std::to_string(n));
        ASSERT_TRUE(saved.saved) << saved.error;
        EXPECT_EQ(saved.number, n);
        EXPECT_EQ(saved.name, "shot_" + std::to_string(n) + ".png");
        EXPECT_EQ(contents(saved.name), "picture " + std::to_string(n));
    }
    EXPECT_EQ(otherEntries({"shot_1.png", "shot_2.png", "shot_3.png"}), 0u);
}

TEST_F(FilesTest, NothingInTheWayIsReplacedOrFollowed)
{
    std::ofstream("shot_1.png") << "an earlier game's picture";
    fs::create_directory("shot_2.png");
    fs::create_symlink(folder / "elsewhere.png", "shot_3.png"); // dangling on purpose
    const SavedFile saved = saveAsNewNumberedFile("shot_", ".png", 1, "new");
    ASSERT_TRUE(saved.saved) << saved.error;
    EXPECT_EQ(saved.number, 4u);
    EXPECT_EQ(contents("shot_4.png"), "new");
    EXPECT_EQ(contents("shot_1.png"), "an earlier game's picture");
    EXPECT_FALSE(fs::exists(folder / "elsewhere.png")) << "the link was not followed";
    EXPECT_EQ(otherEntries({"shot_1.png", "shot_2.png", "shot_3.png", "shot_4.png"}), 0u);
}

TEST_F(FilesTest, AWriteThatFailsHalfWayLeavesNothingAndSaysWhy)
{
    // A file-size limit makes the write fail part of the way, as a full disk does, even for
    // root; the game ignores the signal that would otherwise come with it.
    rlimit usual{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &usual), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = usual;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SavedFile saved = saveAsNewNumberedFile("shot_", ".png", 1, std::string(5000, 'p'));
    // A recording keeps its whole appends, and the one that failed is cut back off.
    GrowingFile growing;
    std::string error;
    ASSERT_TRUE(growing.create("game.replay", error)) << error;
    EXPECT_TRUE(growing.append(std::string(600, 'g'), error));
    EXPECT_FALSE(growing.append(std::string(600, 'h'), error));
    EXPECT_FALSE(growing.open());
    setrlimit(RLIMIT_FSIZE, &usual);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(saved.saved);
    EXPECT_EQ(saved.name, "shot_1.png");
    EXPECT_NE(saved.error.find("too large"), std::string::npos) << saved.error;
    EXPECT_EQ(otherEntries({"game.replay"}), 0u) << "no broken file and no temporary file";
    EXPECT_EQ(contents("game.replay"), std::string(600, 'g'));
}

TEST_F(FilesTest, OnlyTheGamesOwnOldestRecordingsArePrunedAndTheBestIsReplacedWhole)
{
    std::string error;
    ASSERT_TRUE(makeFolder("replays", error)) << error;
    // The clock ran ahead and came back: the game's newest recordings have the oldest dates.
    std::vector<std::string> recorded;
    for (int i = 0; i < 12; ++i)
        recorded.push_back(replayPathAt("replays", std::time_t(1796000000 - 3600 * i)).substr(8));
    const std::vector<std::string> players = {"1-my-favourite.replay", "2026-01-01_10-00-00.replay",
                                              "best.replay", "2026-12-08_19-15-23.replay.bak"};
    for (const std::string& name : players) // named by the player, or moved in
        std::ofstream("replays/" + name) << name;
    for (const std::string& name : recorded)
    {
        std::ofstream("replays/" + name) << name;
        ASSERT_TRUE(noteRecording("replays", name, error)) << error;
        EXPECT_TRUE(isDatedReplayName(name)) << name;
    }
    keepNewestReplays("replays", 5, recorded[2]);
    for (std::size_t i = 0; i < recorded.size(); ++i)
        EXPECT_EQ(fs::exists("replays/" + recorded[i]), i == 2 || i >= 8) << recorded[i];
    for (const std::string& name : players)
        EXPECT_EQ(contents("replays/" + name), name);
    EXPECT_EQ(contents("replays/.recorded"), recorded[2] + "\n" + recorded[8] + "\n" + recorded[9] +
                                                 "\n" + recorded[10] + "\n" + recorded[11] + "\n");
    EXPECT_EQ(newestRecordedReplay("replays"), recorded[11]);
    for (const char* name : {"1-my-favourite.replay", "2026-12-08_19-15-23.replay.bak",
                             "2026-12-08_19-15-23_10.replay", "best.replay"})
        EXPECT_FALSE(isDatedReplayName(name)) << name;

    ASSERT_TRUE(copyFileWhole("replays/" + recorded[9], "replays/best.replay", error)) << error;
    EXPECT_EQ(contents("replays/best.replay"), recorded[9]);
    EXPECT_EQ(otherEntries({"replays"}), 0u) << "no temporary file beside the folder";
}

TEST_F(FilesTest, BytesReachTheDiskBeforeTheFileTakesItsNameAndAFailedSyncKeepsTheOldOne)
{
    static int syncs = 0;
    static bool syncFails = false;
    syncFilesWith(
        [](int)
        {
            ++syncs;
            return syncFails ? -1 : 0;
        });
    std::string error;
    EXPECT_TRUE(replaceFileWhole("best-score.txt", "50\n", error));
    EXPECT_TRUE(saveAsNewNumberedFile("shot_", ".png", 1, "png").saved);
    EXPECT_EQ(syncs, 2);
    syncFails = true;
    EXPECT_FALSE(replaceFileWhole("best-score.txt", "60\n", error));
    syncFilesWith(nullptr);
    EXPECT_EQ(contents("best-score.txt"), "50\n");
    EXPECT_EQ(otherEntries({"best-score.txt", "shot_1.png"}), 0u);
}

TEST_F(FilesTest, OnlyAReadablePlainFilePassesTheCheck)
{
    std::ofstream("plain.cfg") << "x";
    fs::create_directory("folder.cfg");
    ASSERT_EQ(mkfifo("pipe.cfg", 0600), 0);
    EXPECT_EQ(unreadableFileReason("plain.cfg", false), "");
    EXPECT_EQ(unreadableFileReason("missing.cfg", true), "");
    EXPECT_NE(unreadableFileReason("missing.cfg", false).find("missing.cfg"), std::string::npos);
    EXPECT_NE(unreadableFileReason("folder.cfg", true).find("folder.cfg is a folder"),
              std::string::npos);
    EXPECT_NE(unreadableFileReason("pipe.cfg", true).find("pipe.cfg is not a plain file"),
              std::string::npos);
    // In a folder of resources, subfolders are fine and the pipe is named.
    EXPECT_NE(unreadableEntryReason(".").find("pipe.cfg"), std::string::npos);
    fs::remove("pipe.cfg");
    EXPECT_EQ(unreadableEntryReason("."), "");
}

TEST_F(FilesTest, EveryReaderOfThePlayersFilesRefusesWhatIsNoSmallPlainFileAndSaysWhy)
{
    constexpr std::size_t kLimit = 1u << 20; // as the pad mappings have it
    ASSERT_EQ(mkfifo("pipe", 0600), 0);
    fs::create_symlink("/dev/zero", "endless");
    fs::create_directory("folder");
    std::ofstream("huge") << std::string(kLimit + 1, 'x');
    std::ofstream("plain") << "sound = off\n";
    fs::create_symlink("plain", "link to plain");
    // Each reader, and what it says about a file it refuses (empty when it reads it).
    struct Reader
    {
        const char* name;
        std::string (*refusal)(const std::string& file);
    };
    const Reader readers[] = {
        {"a game file",
         [](const std::string& file)
         {
             std::string text, error;
             return readSmallFile(file, kLimit, text, error) ? "" : error;
         }},
        {"an engine file",
         [](const std::string& file) { return unreadableFileReason(file, true, kLimit); }},
        {"the pad mappings",
         [](const std::string& file)
         {
             Gamepads pads(file);
             std::vector<std::string> news;
             pads.read(news);
             return news.empty() || news[0].find("skipped:") != std::string::npos ? std::string()
                                                                                  : news[0];
         }},
    };
    const std::pair<const char*, const char*> files[] = {
        {"pipe", "is not a plain file"},
        {"endless", "is not a plain file"},
        {"folder", "is a folder"},
        {"huge", "is larger than 1048576 bytes"},
        {"plain", ""},
        {"link to plain", ""},
    };
    for (const Reader& reader : readers)
        for (const auto& [file, words] : files)
        {
            SCOPED_TRACE(std::string(reader.name) + ": " + file);
            const std::string said = reader.refusal(file);
            EXPECT_EQ(said.rfind(file, 0), std::string(words).empty() ? std::string::npos : 0u)
                << said;
            EXPECT_NE(said.find(words), std::string::npos) << said;
        }
}

TEST_F(FilesTest, NoFileTheGameWritesIsWrittenThroughALink)
{
    // Each way the game writes a file of its own, and the name it writes.
    struct Writer
    {
        const char* name;
        bool (*write)(const std::string& name);
    };
    const Writer writers[] = {
        {"Ogre.log",
         [](const std::string& name)
         {
             std::string error, replaced;
             const int fd = openOwnFile(name, error, replaced);
             const bool written = fd >= 0 && write(fd, "log", 3) == 3;
             return close(fd) == 0 && written && !replaced.empty();
         }},
        {"best-score.txt",
         [](const std::string& name)
         {
             std::string error;
             return replaceFileWhole(name, "log", error);
         }},
        {"fishtank.lock", [](const std::string& name) { return FolderLock(name).held(); }},
        {"game.replay",
         [](const std::string& name)
         {
             GrowingFile file;
             std::string error;
             return !file.create(name, error); // a name already taken is never written
         }},
    };
    for (const bool symbolic : {true, false})
        for (const Writer& writer : writers)
        {
            SCOPED_TRACE(std::string(writer.name) +
                         (symbolic ? " as a symbolic link" : " as a hard link"));
            std::ofstream("victim") << "the player's own";
            if (symbolic)
                fs::create_symlink("victim", writer.name);
            else
                fs::create_hard_link("victim", writer.name);
            EXPECT_TRUE(writer.write(writer.name));
            EXPECT_EQ(contents("victim"), "the player's own");
            fs::remove(writer.name);
        }
    // A pipe is refused without waiting for a reader.
    ASSERT_EQ(mkfifo("Ogre.log", 0600), 0);
    std::string error, replaced;
    EXPECT_EQ(openOwnFile("Ogre.log", error, replaced), -1);
    EXPECT_EQ(error, "Ogre.log is not a plain file (a pipe or a device?) where the game needs one");
}
