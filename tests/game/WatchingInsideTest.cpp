// Watching a game from the hall of fame inside a live game, through the game's own listener.
#include "game/CameraTrackListener.h"
#include "game/GameRecorder.h"
#include "game/HallOfFameFile.h"
#include "platform/Dice.h"
#include "support/GameTest.h"

#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

#include <filesystem>

namespace
{
namespace fs = std::filesystem;

float replayStripLeft()
{
    return Ogre::OverlayManager::getSingleton().getOverlayElement("ReplayPanel")->getLeft();
}
} // namespace

// Up goes round the ends, a game without a replay or with its file gone says so, Return plays the
// chosen one while the live game stands; a resize while watching is laid out on the way back, keys
// still held then choose nothing, and Escape quits from inside.
TEST(WatchingInside, FromTheHallOfFameAndBackToTheWaitingGame)
{
    const std::string folder = "watching-inside";
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(std::string(FISHTANK_SOURCE_DIR) + "/tests/replays/grown.replay",
                  folder + "/fame-grown.replay");
    HallOfFame hall;
    hall.entries = {{"Ada", 345, 12, "shark", 100, 1796000000, "fame-grown.replay"},
                    {"Zoë", 120, 4, "hook", 75, 1796000100, ""},
                    {"Bo", 60, 2, "quit", 100, 1796000200, "fame-gone.replay"}};
    ReplayDice dice;
    PlayableTank tank(&dice);
    tank.platform.files[kHallOfFameFile] = hallOfFameText(hall);
    tank.listener->record(std::make_unique<GameRecorder>(folder), dice);
    CameraTrackListener& game = *tank.listener;
    tank.frame(2.0f);
    tank.tap({OIS::KC_TAB});
    tank.keyboard.press(OIS::KC_UP); // held as the hall opens: it chooses nothing
    tank.frame(0.05f);
    tank.keyboard.releaseAll();
    tank.frame(0.05f);
    ASSERT_TRUE(game.paused);
    tank.tap({OIS::KC_UP}); // round to the last game, whose replay is gone
    tank.tap({OIS::KC_RETURN});
    EXPECT_NE(tank.engine.caption("FameTextArea")
                  .find("Its replay cannot be played: No such file or directory"),
              std::string::npos);
    tank.tap({OIS::KC_UP}); // a game that kept no replay
    tank.tap({OIS::KC_RETURN});
    EXPECT_FALSE(game.watchingInside());
    EXPECT_NE(tank.engine.caption("FameTextArea").find(">  2.  Zoë"), std::string::npos);
    EXPECT_NE(tank.engine.caption("FameTextArea").find("No replay was kept of this game"),
              std::string::npos);

    const std::string live = checkText(game.tankCheck());
    tank.tap({OIS::KC_UP});
    tank.tap({OIS::KC_RETURN});
    ASSERT_TRUE(game.watchingInside());
    tank.window.resize(1600, 900);
    game.windowResized(&tank.window);
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(tank.frame(0.05f));
    EXPECT_EQ(checkText(game.tankCheck()), live) << "the live game stood still";
    EXPECT_EQ(tank.engine.caption("ReplayTextArea"), "REPLAY 1x");
    EXPECT_NE(tank.engine.caption("FameTextArea").find("1.  Ada"), std::string::npos)
        << "the watched game's hall lists the hall kept now";
    EXPECT_EQ(tank.engine.caption("HintTextArea"), "Tab: your game");

    tank.keyboard.press(OIS::KC_DOWN);
    tank.keyboard.press(OIS::KC_TAB);
    tank.frame(0.05f);
    tank.keyboard.release(OIS::KC_TAB); // back once Tab is let go; Down still held
    tank.frame(0.05f);
    EXPECT_FALSE(game.watchingInside());
    tank.frame(0.05f);
    tank.keyboard.releaseAll();
    EXPECT_NE(tank.engine.caption("FameTextArea").find(">  1.  Ada"), std::string::npos)
        << "a key held from watching chose nothing";
    EXPECT_TRUE(game.paused);
    EXPECT_TRUE(game.heads().hallOfFameShown());
    EXPECT_FALSE(tank.engine.elementVisible("ReplayPanel"));
    EXPECT_EQ(tank.engine.caption("HintTextArea"), "F1: controls");
    const float left = replayStripLeft();
    game.windowResized(&tank.window);
    EXPECT_FLOAT_EQ(replayStripLeft(), left) << "laid out for the window as it is now";

    tank.tap({OIS::KC_RETURN});
    ASSERT_TRUE(game.watchingInside());
    EXPECT_FALSE(tank.tap({OIS::KC_ESCAPE}));
    fs::remove_all(folder);
}
