// Gamepads through SDL's game controllers, with SDL's virtual pads standing in for real
// ones: plugged in and out mid-game, the stick swimming at the share it leans to, the
// D-pad like the arrow keys, Start as P, Back as F1 and South as Return after game over.
#include "game/CameraTrackListener.h"

#include "platform/Gamepads.h"
#include "support/GameTest.h"
#include "support/VirtualPad.h"

#include <OgreSceneNode.h>
#include <SDL.h>

#include <cstdio>
#include <fstream>

namespace
{
class GamepadTest : public ::testing::Test
{
protected:
    GamepadTest() { tank.dice.draws = {14}; }

    // Holds the pad's input for one frame of a quarter second: 25 units at full speed.
    void hold(const PadInput& input)
    {
        pad->hold(input);
        tank.frame(0.25f);
    }
    // One frame with the button held, then one with it let go of.
    void press(bool PadInput::*button)
    {
        PadInput input;
        input.*button = true;
        hold(input);
        hold(PadInput{});
    }
    bool logSays(const std::string& start) const
    {
        for (const std::string& line : tank.engine.logCatcher.lines)
            if (line.rfind(start, 0) == 0)
                return true;
        return false;
    }

    Gamepads pads{"gamecontrollerdb.txt"};
    PlayableTank tank{nullptr, true, &pads};
    std::unique_ptr<VirtualPad> pad = std::make_unique<VirtualPad>();
};
} // namespace

TEST_F(GamepadTest, APadPluggedInMidGameSwimsAtTheShareItsStickLeans)
{
    ASSERT_TRUE(pad->attached());
    tank.frame(0.01f);
    EXPECT_TRUE(logSays("Gamepad connected: fishtank's virtual pad (GUID "));
    EXPECT_EQ(tank.joystick.captures, 1) << "the OIS joystick is still captured every frame";

    struct Case
    {
        float x, y;
        bool left, up;
        Ogre::Vector3 moved;
        int facing;
    };
    const Case cases[] = {
        {1, 0, false, false, {25, 0, 0}, 1},
        {0.625f, 0, false, false, {12.5f, 0, 0}, 1}, // half-way past the dead zone: half speed
        {0.2f, -0.1f, false, false, {0, 0, 0}, 1},   // inside the dead zone
        {0, 1, false, false, {0, 25, 0}, 1},         // up
        {0.3f, 0, true, true, {-25, 25, 0}, -1},     // the D-pad at full speed
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        PadInput input;
        input.stickX = c.x;
        input.stickY = c.y;
        input.left = c.left;
        input.up = c.up;
        const Ogre::Vector3 before = tank.playerPosition();
        hold(input);
        const Ogre::Vector3 moved = tank.playerPosition() - before;
        EXPECT_NEAR(moved.x, c.moved.x, 0.05f);
        EXPECT_NEAR(moved.y, c.moved.y, 0.05f);
        EXPECT_EQ(tank.world.player.direction, c.facing);
    }
}

TEST_F(GamepadTest, StartPausesBackShowsTheControlsAndSouthStartsANewGame)
{
    press(&PadInput::start);
    EXPECT_TRUE(tank.listener->paused);
    EXPECT_EQ(tank.engine.caption("GameOverTextArea"), "PAUSE");
    hold(PadInput{1, 0}); // no swimming while paused
    EXPECT_EQ(tank.playerPosition(), Ogre::Vector3(200, 300, 1));
    press(&PadInput::start);
    EXPECT_FALSE(tank.listener->paused);

    press(&PadInput::back);
    EXPECT_TRUE(tank.listener->heads().controlsShown());
    press(&PadInput::back);

    press(&PadInput::south);
    EXPECT_TRUE(tank.world.player.alive) << "before game over South does nothing";
    tank.addFish(210, 300, 80);
    tank.frame(0.01f);
    ASSERT_FALSE(tank.world.player.alive);
    EXPECT_EQ(tank.engine.caption("NewGameTextArea"), "Press Return or A for a new game");
    press(&PadInput::south);
    EXPECT_TRUE(tank.world.player.alive);
}

TEST_F(GamepadTest, TheControlsHintNamesTheDeviceTouchedLast)
{
    tank.frame(0.01f);
    EXPECT_EQ(tank.engine.caption("HintTextArea"), "F1: controls");
    hold(PadInput{1, 0});
    tank.frame(0.01f);
    EXPECT_EQ(tank.engine.caption("HintTextArea"), "Back: controls");
    tank.tap({OIS::KC_LEFT});
    tank.frame(0.01f);
    EXPECT_EQ(tank.engine.caption("HintTextArea"), "F1: controls");
}

TEST_F(GamepadTest, APadPulledOutPausesARunningGame)
{
    tank.frame(0.01f);
    pad.reset();
    tank.frame(0.01f);
    EXPECT_TRUE(logSays("Gamepad removed: fishtank's virtual pad"));
    EXPECT_TRUE(tank.listener->paused);
    EXPECT_EQ(tank.engine.caption("GameOverTextArea"), "PAUSE");
}

TEST(NoGamepad, IsTheUsualCase)
{
    PlayableTank tank;
    EXPECT_EQ(tank.listener->inputManager->joystick, nullptr);
    EXPECT_EQ(tank.listener->gamepads(), nullptr);
    EXPECT_TRUE(tank.frame(0.1f));
    EXPECT_EQ(tank.joystick.captures, 0);
}

TEST(GamepadMappings, ThePlayersOwnLineIsGivenToSdlOnceWhenItsPadComes)
{
    const std::string file = "gamepad_mappings_test.txt";
    std::string guid;
    {
        Gamepads first("no such file");
        guid = VirtualPad().guid();
    }
    ASSERT_FALSE(guid.empty());
    std::ofstream(file) << "# my pads\nnot a mapping line\n"
                        << "03000000de280000ff11000001000000,Another Pad,a:b0,leftx:a0,\n"
                        << guid
                        << ",Homemade Pad,a:b0,start:b6,leftx:a0,lefty:a1,platform:Linux,\n";
    Gamepads pads(file);
    std::remove(file.c_str());
    std::vector<std::string> news;
    pads.read(news);
    ASSERT_EQ(news.size(), 2u);
    EXPECT_EQ(news[0].rfind(file + ", line 2 skipped: ", 0), 0u) << news[0];
    EXPECT_EQ(news[1], file + ": 2 pad mappings for this system");
    const auto handedToSdl = []
    {
        int found = 0;
        for (int i = 0; i < SDL_GameControllerNumMappings(); ++i)
        {
            char* mapping = SDL_GameControllerMappingForIndex(i);
            found += std::string(mapping).find(",Homemade Pad,") != std::string::npos;
            SDL_free(mapping);
        }
        return found;
    };
    EXPECT_EQ(handedToSdl(), 0) << "not before its pad comes";
    for (int plugged = 1; plugged <= 2; ++plugged)
    {
        VirtualPad pad;
        EXPECT_EQ(pads.read(news).connected, 1);
        EXPECT_EQ(handedToSdl(), 1) << "plugged in " << plugged << " times";
    }
}

TEST(GamepadDrain, APadMovedSeventyThousandTimesIsStillSeenWhenPulledOut)
{
    Gamepads pads("no such file");
    auto pad = std::make_unique<VirtualPad>();
    std::vector<std::string> news;
    PadInput held;
    for (int move = 0; move < 70000; ++move)
    {
        held.stickX = move % 2 == 0 ? 0.5f : -0.5f;
        held.south = move % 3 == 0;
        pad->hold(held);
        ASSERT_EQ(pads.read(news).connected, 1) << "after " << move << " moves";
    }
    EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT), 0)
        << "nothing is left queued";
    pad.reset();
    const PadInput after = pads.read(news);
    EXPECT_TRUE(after.padRemoved);
    EXPECT_EQ(after.connected, 0);
}
