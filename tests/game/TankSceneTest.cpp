#include "game/TankScene.h"

#include "app/ExampleApplication.h"
#include "scene/SolidDrawing.h"
#include "support/GameTest.h"

#include <Ogre.h>

#include <algorithm>
#include <fstream>
#include <string>

namespace
{
// The game's tank built into a window-less engine, camera and all.
class TankSceneTest : public ::testing::Test
{
protected:
    TankSceneTest() : camera(createPlayerCamera(engine.scene))
    {
        buildTank(engine.scene, camera, tank);
    }

    WindowlessEngine engine;
    Ogre::Camera* camera;
    TankRecords tank;
};

void expectPanel(const Panel& panel, const char* setName, const char* material,
                 Ogre::BillboardOrigin origin, const Ogre::Vector3& position)
{
    SCOPED_TRACE(setName);
    ASSERT_NE(panel.set, nullptr);
    EXPECT_EQ(panel.set->getName(), setName);
    EXPECT_EQ(panel.set->getMaterialName(), material);
    EXPECT_EQ(panel.set->getBillboardOrigin(), origin);
    EXPECT_FLOAT_EQ(panel.set->getDefaultWidth(), float(panel.width));
    EXPECT_FLOAT_EQ(panel.set->getDefaultHeight(), float(panel.height));
    EXPECT_EQ(panel.set->getNumBillboards(), 1u);
    EXPECT_EQ(panel.set->getParentSceneNode(), panel.node);
    EXPECT_EQ(panel.node->getPosition(), position);
}
} // namespace

TEST_F(TankSceneTest, TheBackdropIsTheTankAndThePanelsFlankIt)
{
    expectPanel(tank.background, "backgroundSet", "Examples/OceanBackground", Ogre::BBO_BOTTOM_LEFT,
                Ogre::Vector3(0, 0, 0));
    EXPECT_EQ(tank.background.width, 500);
    EXPECT_EQ(tank.background.height, 400);
    expectPanel(tank.leftSide, "leftSideSet", "Examples/BlackBackground", Ogre::BBO_BOTTOM_RIGHT,
                Ogre::Vector3(1, 0, 3));
    expectPanel(tank.rightSide, "rightSideSet", "Examples/BlackBackground", Ogre::BBO_BOTTOM_LEFT,
                Ogre::Vector3(499, 0, 3));
    EXPECT_EQ(tank.leftSide.width, 500);
    EXPECT_EQ(tank.rightSide.height, 400);
}

TEST_F(TankSceneTest, TheHookWaitsOutOfView)
{
    Ogre::BillboardSet* hook = engine.scene->getBillboardSet("hookSet");
    EXPECT_EQ(hook->getParentSceneNode(), tank.hookNode);
    EXPECT_EQ(hook->getMaterialName(), "Examples/Hook");
    EXPECT_FLOAT_EQ(hook->getDefaultWidth(), 15);
    EXPECT_FLOAT_EQ(hook->getDefaultHeight(), 300);
    EXPECT_EQ(tank.hookNode->getPosition(), Ogre::Vector3(1000, 1000, 2));

    camera->setAspectRatio(1024.0f / 768.0f);
    const Ogre::AxisAlignedBox hookBox(1000, 1000, 2, 1015, 1300, 2);
    EXPECT_FALSE(camera->isVisible(hookBox));
    const Ogre::AxisAlignedBox waterMiddle(240, 190, 0, 260, 210, 0);
    EXPECT_TRUE(camera->isVisible(waterMiddle));
}

TEST_F(TankSceneTest, TheCameraLooksStraightAtTheMiddleOfTheTank)
{
    EXPECT_TRUE(camera->getDerivedPosition().positionEquals(Ogre::Vector3(250, 200, 500)));
    EXPECT_TRUE(camera->getDerivedDirection().positionEquals(Ogre::Vector3(0, 0, -1)));
    EXPECT_FLOAT_EQ(camera->getNearClipDistance(), 5);
    EXPECT_EQ(camera->getName(), "PlayerCam");
}

TEST_F(TankSceneTest, OnlyThePlayersFishSwimsAtTheStart)
{
    EXPECT_TRUE(tank.fishes.empty());
    EXPECT_EQ(tank.player.node->getPosition(), Ogre::Vector3(200, 300, 1));
    EXPECT_FLOAT_EQ(tank.player.width, 40);
    EXPECT_FLOAT_EQ(tank.player.height, 10);
    EXPECT_EQ(tank.player.speed, 0);
    EXPECT_EQ(tank.player.direction, 0);
    EXPECT_TRUE(tank.player.alive);
    EXPECT_EQ(tank.player.tank, &tank.background);
    EXPECT_FLOAT_EQ(tank.player.leftNode->getPosition().z, 1); // facing left
    EXPECT_EQ(tank.player.leftSet->getMaterialName(), "Examples/ZorvFish");
}

TEST_F(TankSceneTest, TheTankIsLitWhiteWithOneLight)
{
    EXPECT_EQ(engine.scene->getAmbientLight(), Ogre::ColourValue::White);
    Ogre::Light* light = engine.scene->getLight("MainLight");
    EXPECT_TRUE(light->getDerivedPosition().positionEquals(Ogre::Vector3(20, 80, 50)));
}

TEST_F(TankSceneTest, NoPictureInTheGamesMaterialsUsesTheDepthBuffer)
{
    // The window is cleared of colour only before each frame, so a pass that tested or
    // wrote depth would read what an earlier frame left there.
    int passes = 0;
    for (Ogre::Pass* pass : engine.gamePasses())
    {
        EXPECT_FALSE(pass->getDepthCheckEnabled()) << pass->getParent()->getParent()->getName();
        EXPECT_FALSE(pass->getDepthWriteEnabled()) << pass->getParent()->getParent()->getName();
        ++passes;
    }
    EXPECT_GE(passes, 17);
}

TEST_F(TankSceneTest, SolidDrawingLeavesOutPanelsAndFarPicturesForItsLifetimeOnly)
{
    const size_t before = engine.renderQueueListenerCount();
    const auto drawn = [this](const Ogre::BillboardSet* set)
    { return (set->getVisibilityFlags() & engine.scene->getVisibilityMask()) != 0; };
    {
        SolidDrawing solid(camera, tank.leftSide, tank.rightSide);
        EXPECT_EQ(engine.renderQueueListenerCount(), before + 1);
        // The mask follows the camera's polygon mode at every frame.
        for (Ogre::PolygonMode mode : {Ogre::PM_SOLID, Ogre::PM_WIREFRAME, Ogre::PM_POINTS})
        {
            camera->setPolygonMode(mode);
            solid.preFindVisibleObjects(engine.scene, Ogre::SceneManager::IRS_NONE, nullptr);
            const bool whole = mode != Ogre::PM_SOLID;
            EXPECT_EQ(drawn(tank.leftSide.set), whole);
            EXPECT_EQ(drawn(tank.rightSide.set), whole);
            EXPECT_EQ(drawn(tank.player.rightSet), whole); // facing left
            EXPECT_TRUE(drawn(tank.player.leftSet));
            EXPECT_TRUE(drawn(tank.background.set));
        }
        // With no viewport drawn yet (no window), there is nothing to cut, and no renderer
        // is asked to.
        bool flag = false;
        camera->setPolygonMode(Ogre::PM_SOLID);
        solid.renderQueueStarted(Ogre::RENDER_QUEUE_MAIN, "", flag);
        solid.renderQueueEnded(Ogre::RENDER_QUEUE_MAIN, "", flag);
    }
    EXPECT_TRUE(drawn(tank.leftSide.set));
    EXPECT_TRUE(drawn(tank.rightSide.set));
    EXPECT_EQ(engine.renderQueueListenerCount(), before);
}

TEST_F(TankSceneTest, ThePanelsAreDrawnAfterTheFishWhenTheyAreDrawn)
{
    // Nothing in the tank is depth tested: order alone keeps a fish behind the panels.
    EXPECT_GT(tank.leftSide.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
    EXPECT_GT(tank.rightSide.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
    EXPECT_LT(tank.leftSide.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_OVERLAY);
    EXPECT_EQ(tank.background.set->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
    EXPECT_EQ(tank.player.leftSet->getRenderQueueGroup(), Ogre::RENDER_QUEUE_MAIN);
}
