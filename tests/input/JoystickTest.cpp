// A gamepad steers like the arrow keys, through the same "wholly inside the tank" test;
// Start works as P and the first button as Return after game over.
#include "game/CameraTrackListener.h"

#include "support/GameTest.h"

#include <OgreSceneNode.h>

namespace
{
class JoystickTest : public ::testing::Test, public PlayableTank
{
protected:
    JoystickTest() : PlayableTank(nullptr, true) { dice.draws = {14}; }

    // One frame with the buttons held, then let go of in the next.
    void press(int button)
    {
        joystick.button(button, true);
        frame(0.05f);
        joystick.button(button, false);
        frame(0.05f);
    }
};

constexpr int kStart = 7;
constexpr int kFirst = 0;
} // namespace

TEST_F(JoystickTest, TheStickSwimsLikeTheArrowsPastItsDeadZone)
{
    joystick.stick(32767, 0);
    frame(0.25f);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(225, 300, 1));
    EXPECT_EQ(world.player.direction, 1);
    EXPECT_EQ(joystick.captures, 1);

    joystick.stick(-32768, -20000); // left and away from the player: up
    frame(0.25f);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(200, 325, 1));
    EXPECT_EQ(world.player.direction, -1);

    // A stick at rest, or leaning less than its dead zone, keeps the fish still.
    joystick.stick(9000, -9000);
    frame(0.25f);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(200, 325, 1));
}

TEST_F(JoystickTest, TheHatSwimsAndTheTankStillHoldsTheFish)
{
    joystick.hat(OIS::Pov::South | OIS::Pov::East);
    frame(0.25f);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(225, 275, 1));

    world.player.node->setPosition(10, 389, 1);
    joystick.hat(OIS::Pov::North);
    frame(0.25f); // the top edge: refused whole
    EXPECT_EQ(playerPosition(), Ogre::Vector3(10, 389, 1));
}

TEST_F(JoystickTest, StartPausesAndResumesOncePerPress)
{
    joystick.button(kStart, true);
    frame(0.05f);
    frame(0.05f); // still held
    EXPECT_TRUE(listener->paused);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "PAUSE");
    EXPECT_EQ(platform.sleeps, std::vector<int>{250});
    joystick.stick(32767, 0);
    frame(0.25f);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(200, 300, 1)) << "no swimming while paused";
    joystick.stick(0, 0);
    joystick.button(kStart, false);
    frame(0.05f);
    press(kStart);
    EXPECT_FALSE(listener->paused);
}

TEST_F(JoystickTest, TheFirstButtonStartsANewGameOnlyAfterGameOver)
{
    press(kFirst);
    EXPECT_TRUE(world.player.alive);
    addFish(210, 300, 80);
    frame(0.01f);
    ASSERT_FALSE(world.player.alive);
    press(kFirst);
    EXPECT_TRUE(world.player.alive);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(200, 300, 1));
}

TEST(NoJoystick, IsTheUsualCase)
{
    PlayableTank tank;
    EXPECT_EQ(tank.listener->joystick, nullptr);
    EXPECT_TRUE(tank.frame(0.1f));
    EXPECT_EQ(tank.joystick.captures, 0);
}
