#include "app/GameEntry.h"

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
    void buildScene() override {}

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

TEST_F(GameEntryTest, AnEngineErrorShowsItsFullDescription)
{
    const std::string box = errorBoxOf(
        [] { OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, "no such picture", "TheTest"); });
    EXPECT_EQ(box.rfind("An exception has occured!\n", 0), 0u) << box;
    EXPECT_NE(box.find("no such picture"), std::string::npos);
    EXPECT_NE(box.find("TheTest"), std::string::npos); // the full description names the source
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
