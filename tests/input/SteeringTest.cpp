#include "input/ExampleFrameListener.h"

#include "game/CameraTrackListener.h"
#include "support/GameTest.h"

#include <OgreSceneNode.h>

namespace
{
class SteeringTest : public GameTest
{
protected:
    void steer(float dx, float dy)
    {
        listener->translation = Ogre::Vector3(dx, dy, 0);
        listener->steerPlayer();
    }
    void placePlayer(float x, float y) { world.player.node->setPosition(x, y, 1); }
};
} // namespace

TEST_F(SteeringTest, AMoveOntoAnEdgeIsRefusedWhole)
{
    placePlayer(2, 50);
    steer(-2, 0);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(2, 50, 1));
    steer(-1.5f, 0);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(0.5f, 50, 1));

    placePlayer(100, 385);
    steer(5, 5); // the sideways part is fine, the upward part touches the top
    EXPECT_EQ(playerPosition(), Ogre::Vector3(100, 385, 1));
    steer(5, 4);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(105, 389, 1));
}

TEST_F(SteeringTest, AFishOnAnEdgeCanStillMoveInwards)
{
    placePlayer(0, 50); // left edge on the tank's edge
    steer(0, 10);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(0, 50, 1));
    steer(3, 0);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(3, 50, 1));
}

TEST_F(SteeringTest, AFishAsWideAsTheTankNeverMoves)
{
    world.player.width = 500;
    placePlayer(0, 50);
    steer(0.5f, 1);
    steer(-0.5f, 1);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(0, 50, 1));
}

TEST_F(SteeringTest, KeysMoveTheFishByTheFramesShareOfItsSpeed)
{
    dice.draws = {14};
    keyboard.press(OIS::KC_RIGHT);
    keyboard.press(OIS::KC_UP);
    frame(0.25f);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(225, 325, 1));
    EXPECT_EQ(world.player.direction, 1);
}
