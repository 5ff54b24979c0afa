#include "scene/SidePanelClip.h"

#include "app/ExampleApplication.h"
#include "game/TankScene.h"
#include "support/EngineFixture.h"

#include <gtest/gtest.h>

#include <Ogre.h>

namespace
{
class SidePanelClipTest : public ::testing::Test
{
protected:
    SidePanelClipTest() : camera(createPlayerCamera(engine.scene))
    {
        buildTank(engine.scene, camera, tank);
    }

    WindowlessEngine engine;
    Ogre::Camera* camera;
    TankRecords tank;
};
} // namespace

TEST_F(SidePanelClipTest, TakesThePanelsPlaceForItsLifetimeOnly)
{
    const size_t before = engine.renderQueueListenerCount();
    EXPECT_TRUE(tank.leftSide.set->getVisible());
    EXPECT_TRUE(tank.rightSide.set->getVisible());
    {
        SidePanelClip clip(camera, tank.leftSide, tank.rightSide);
        EXPECT_FALSE(tank.leftSide.set->getVisible());
        EXPECT_FALSE(tank.rightSide.set->getVisible());
        EXPECT_EQ(engine.renderQueueListenerCount(), before + 1);

        // With no viewport drawn yet (no window), there is nothing to cut, and no renderer
        // is asked to.
        bool flag = false;
        clip.renderQueueStarted(Ogre::RENDER_QUEUE_MAIN, "", flag);
        clip.renderQueueEnded(Ogre::RENDER_QUEUE_MAIN, "", flag);
    }
    EXPECT_TRUE(tank.leftSide.set->getVisible());
    EXPECT_TRUE(tank.rightSide.set->getVisible());
    EXPECT_EQ(engine.renderQueueListenerCount(), before);
}

TEST_F(SidePanelClipTest, ThePanelsAreDrawnAfterTheFishWhenTheyAreDrawn)
{
    // Nothing in the tank is depth tested: order alone keeps a fish behind the panels.
    EXPECT_GT(tank.leftSide.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
    EXPECT_GT(tank.rightSide.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
    EXPECT_LT(tank.leftSide.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_OVERLAY);
    EXPECT_EQ(tank.background.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
    EXPECT_EQ(tank.player.leftSet->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
}
