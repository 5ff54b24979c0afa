#include "app/GameEntry.h"

#include "app/CommandLine.h"

#include "app/ExampleApplication.h"
#include "input/ExampleFrameListener.h"
#include "support/GameTest.h"

#include <OIS.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <system_error>

namespace
{
// A game that has its listener (and so the keyboard) when its run throws.
class ThrowingGame : public ExampleApplication
{
public:
    ThrowingGame(PlayableTank& tank, std::function<void()> fail_)
        : ExampleApplication(tank.platform), fail(std::move(fail_))
    {
        frameListener = std::make_unique<ExampleFrameListener>(
            &tank.window, tank.camera,
            std::make_unique<LentInput>(&tank.keyboard, &tank.mouse, &released), tank.platform);
    }
    void run() override { fail(); }
    void makeFrameListener() override {}
    void buildScene() override {}
    std::string keepProgress() override { return "The game is kept in replays/x.replay"; }

    bool released = false;

private:
    std::function<void()> fail;
};

class GameEntryTest : public GameTest
{
protected:
    // Runs a game that fails as given; returns the one error box it showed.
    std::string errorBoxOf(std::function<void()> fail)
    {
        ThrowingGame game(*this, std::move(fail));
        EXPECT_EQ(runReportingErrors(game, platform), 0);
        EXPECT_TRUE(game.released) << "the keyboard is given back before the box";
        EXPECT_EQ(platform.errors.size(), 1u);
        const std::string box = platform.errors.empty() ? "" : platform.errors.back();
        platform.errors.clear();
        return box;
    }
};
} // namespace

TEST_F(GameEntryTest, AnEngineErrorShowsItsFullDescriptionVerbatim)
{
    const Ogre::FileNotFoundException error(Ogre::Exception::ERR_FILE_NOT_FOUND, "no such picture",
                                            "TheTest", __FILE__, __LINE__);
    // What the game kept goes to standard error and the log, never into the box.
    EXPECT_EQ(errorBoxOf([&] { throw error; }),
              "An exception has occured!\n" + error.getFullDescription());
}

TEST_F(GameEntryTest, EveryOtherKindOfErrorEndsTheSameWay)
{
    EXPECT_NE(errorBoxOf(
                  []
                  { throw OIS::Exception(OIS::E_General, "keyboard grab failed", 12, "Keys.cpp"); })
                  .find("keyboard grab failed"),
              std::string::npos);
    EXPECT_NE(errorBoxOf([] { throw std::bad_alloc(); }).find("out of memory"), std::string::npos);
    EXPECT_NE(
        errorBoxOf([] { throw std::runtime_error("the clock broke"); }).find("the clock broke"),
        std::string::npos);
    EXPECT_NE(errorBoxOf(
                  [] {
                      throw std::system_error(
                          std::make_error_code(std::errc::resource_unavailable_try_again));
                  })
                  .find("limit may be too tight"),
              std::string::npos);
    EXPECT_NE(errorBoxOf([] { throw 42; }).find("unknown"), std::string::npos);
    // An input error without a text or a file still makes a box.
    EXPECT_NE(errorBoxOf([] { throw OIS::Exception(OIS::E_General, nullptr, 0, nullptr); })
                  .find("Input error"),
              std::string::npos);
}

TEST_F(GameEntryTest, AGameThatEndsNormallyShowsNoBox)
{
    ThrowingGame game(*this, [] {});
    EXPECT_EQ(runReportingErrors(game, platform), 0);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_FALSE(game.released);
}

TEST(CommandLine, TheFirstOptionThatMeansSomethingDecidesAndTheRestIsNamedAndIgnored)
{
    using Mode = CommandLine::Mode;
    struct Case
    {
        std::vector<const char*> words;
        Mode mode;
        std::string file;
        std::vector<std::string> ignored;
    };
    const Case cases[] = {
        {{}, Mode::Play, "", {}},
        {{"--fullscreen", "-x"}, Mode::Play, "", {"--fullscreen", "-x"}},
        {{"--replay", "a.replay"}, Mode::Watch, "a.replay", {}},
        {{"--verify", "a.replay", "b"}, Mode::Verify, "a.replay", {"b"}},
        {{"stray", "--help"}, Mode::Help, "", {"stray"}},
        {{"--version", "--replay", "a"}, Mode::Version, "", {"--replay", "a"}},
        {{"--replay"}, Mode::Wrong, "", {}},
    };
    for (const Case& c : cases)
    {
        std::vector<const char*> argv{"fishtank"};
        argv.insert(argv.end(), c.words.begin(), c.words.end());
        const CommandLine line = readCommandLine(int(argv.size()), argv.data());
        SCOPED_TRACE(c.words.empty() ? "nothing" : c.words[0]);
        EXPECT_EQ(line.mode, c.mode);
        EXPECT_EQ(line.file, c.file);
        EXPECT_EQ(line.ignored, c.ignored);
    }
    EXPECT_EQ(readCommandLine(2, std::vector<const char*>{"fishtank", "--verify"}.data()).problem,
              "--verify takes one file");
}
