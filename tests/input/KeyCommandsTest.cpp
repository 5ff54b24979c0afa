#include "game/CameraTrackListener.h"
#include "rules/Fish.h"
#include "scene/PanelVisuals.h"
#include "support/GameTest.h"

#include <Ogre.h>

namespace
{
class KeyCommandsTest : public GameTest
{
protected:
    KeyCommandsTest() { dice.draws = {14}; }

    bool facesRight() const { return world.player.rightNode->getPosition().z > 0; }
};
} // namespace

TEST_F(KeyCommandsTest, PPausesWithTheBannerAndResumes)
{
    EXPECT_TRUE(tap({OIS::KC_P}));
    EXPECT_TRUE(listener->paused);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "PAUSE");
    EXPECT_TRUE(engine.overlayVisible("GameOverOverlay"));
    EXPECT_EQ(platform.sleeps, std::vector<int>{250});

    tap({OIS::KC_P});
    EXPECT_FALSE(listener->paused);
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay"));
    EXPECT_EQ(platform.sleeps, (std::vector<int>{250, 250}));
}

TEST_F(KeyCommandsTest, HoldingPFlipsThePauseEveryFrame)
{
    keyboard.press(OIS::KC_P);
    for (int i = 0; i < 5; ++i)
        frame(0.1f);
    EXPECT_TRUE(listener->paused);
    EXPECT_EQ(platform.sleeps.size(), 5u);
}

TEST_F(KeyCommandsTest, WhilePausedOnlyPauseQuitAndTheMouseWork)
{
    tap({OIS::KC_P});
    const Ogre::Vector3 start = playerPosition();
    tap({OIS::KC_RIGHT, OIS::KC_UP, OIS::KC_F, OIS::KC_T, OIS::KC_SYSRQ, OIS::KC_R});
    EXPECT_EQ(playerPosition(), start);
    EXPECT_FALSE(facesRight());
    EXPECT_TRUE(listener->statsOn);
    EXPECT_EQ(listener->filtering, int(Ogre::TFO_BILINEAR));
    EXPECT_EQ(listener->screenshotCount, 0u);
    EXPECT_EQ(listener->sceneDetail, 0);

    mouse.move(10, -20, true);
    tap({});
    EXPECT_TRUE(playerPosition().positionEquals(start + Ogre::Vector3(1.3f, 2.6f, 0), 1e-4f));

    EXPECT_FALSE(tap({OIS::KC_Q}));
    EXPECT_FALSE(tap({OIS::KC_ESCAPE}));
}

TEST_F(KeyCommandsTest, AfterGameOverPausingReplacesTheBannerAndResumingHidesIt)
{
    addFish(210, 300, 80);
    frame(0.01f);
    ASSERT_EQ(engine.caption("GameOverTextArea"), "GAME OVER");
    tap({OIS::KC_P});
    EXPECT_EQ(engine.caption("GameOverTextArea"), "PAUSE");
    tap({OIS::KC_P});
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay"));
}

TEST_F(KeyCommandsTest, LaterKeysInTheTableWin)
{
    tap({OIS::KC_A, OIS::KC_D}, 0.1f);
    EXPECT_TRUE(playerPosition().positionEquals(Ogre::Vector3(210, 300, 1)));
    EXPECT_TRUE(facesRight());
    tap({OIS::KC_LEFT, OIS::KC_RIGHT}, 0.1f);
    EXPECT_TRUE(playerPosition().positionEquals(Ogre::Vector3(200, 300, 1)));
    EXPECT_FALSE(facesRight());

    tap({OIS::KC_W, OIS::KC_S}, 0.1f);
    EXPECT_TRUE(playerPosition().positionEquals(Ogre::Vector3(200, 290, 1)));
    tap({OIS::KC_DOWN, OIS::KC_PGUP}, 0.1f);
    EXPECT_TRUE(playerPosition().positionEquals(Ogre::Vector3(200, 300, 1)));
    tap({OIS::KC_UP, OIS::KC_PGDOWN}, 0.1f);
    EXPECT_TRUE(playerPosition().positionEquals(Ogre::Vector3(200, 290, 1)));
}

TEST_F(KeyCommandsTest, KeysAndTheMouseAddUpInOneFrame)
{
    mouse.move(100, 50, true); // 13 right, 6.5 down
    tap({OIS::KC_D, OIS::KC_W}, 0.1f);
    EXPECT_TRUE(playerPosition().positionEquals(Ogre::Vector3(223, 303.5f, 1), 1e-4f));
    EXPECT_TRUE(facesRight());

    mouse.move(-100, -50, false); // no right button: no effect
    tap({});
    EXPECT_TRUE(playerPosition().positionEquals(Ogre::Vector3(223, 303.5f, 1), 1e-4f));
}

TEST_F(KeyCommandsTest, OnlyOneGatedCommandActsAndHeldKeysRepeatWhenTheDelayRunsOut)
{
    keyboard.press(OIS::KC_F);
    keyboard.press(OIS::KC_T);
    frame(0.1f);
    EXPECT_FALSE(listener->statsOn);
    EXPECT_FALSE(engine.overlayVisible("ScoreOverlay"));
    EXPECT_EQ(listener->filtering, int(Ogre::TFO_BILINEAR));
    EXPECT_FLOAT_EQ(listener->toggleDelay, 1);

    for (int i = 0; i < 3; ++i)
        frame(0.25f); // the delay is still above zero
    EXPECT_FALSE(listener->statsOn);
    frame(0.25f);
    EXPECT_TRUE(listener->statsOn);
    EXPECT_TRUE(engine.overlayVisible("ScoreOverlay"));
    EXPECT_EQ(listener->filtering, int(Ogre::TFO_BILINEAR)); // T never had its turn
}

TEST_F(KeyCommandsTest, TFiltersEveryPictureOfEveryShippedMaterial)
{
    struct Step
    {
        int filtering;
        Ogre::FilterOptions min, mag, mip;
        unsigned anisotropy;
    };
    const Step bilinear{Ogre::TFO_BILINEAR, Ogre::FO_LINEAR, Ogre::FO_LINEAR, Ogre::FO_POINT, 1};
    const Step steps[] = {
        {Ogre::TFO_TRILINEAR, Ogre::FO_LINEAR, Ogre::FO_LINEAR, Ogre::FO_LINEAR, 1},
        {Ogre::TFO_ANISOTROPIC, Ogre::FO_ANISOTROPIC, Ogre::FO_ANISOTROPIC, Ogre::FO_LINEAR, 8},
        bilinear,
    };
    const auto expectEveryUnit = [this](const Step& step, bool waterNearest)
    {
        int units = 0;
        for (Ogre::Pass* pass : engine.gamePasses())
            for (Ogre::TextureUnitState* unit : pass->getTextureUnitStates())
            {
                const std::string& material = pass->getParent()->getParent()->getName();
                SCOPED_TRACE(material);
                const bool nearest = waterNearest && material == "Examples/OceanBackground";
                EXPECT_EQ(unit->getTextureFiltering(Ogre::FT_MIN),
                          nearest ? Ogre::FO_POINT : step.min);
                EXPECT_EQ(unit->getTextureFiltering(Ogre::FT_MAG),
                          nearest ? Ogre::FO_POINT : step.mag);
                EXPECT_EQ(unit->getTextureFiltering(Ogre::FT_MIP),
                          nearest ? Ogre::FO_NONE : step.mip);
                EXPECT_EQ(unit->getTextureAnisotropy(), step.anisotropy);
                EXPECT_EQ(unit->getTextureAddressingMode().u, Ogre::TAM_CLAMP);
                ++units;
            }
        EXPECT_GE(units, 17);
    };
    // Nothing is applied before the first press: the engine's defaults, and the water
    // sampled plainly as the game starts it on a software renderer.
    sampleNearest(world.background);
    expectEveryUnit(bilinear, true);
    for (const Step& step : steps)
    {
        tap({OIS::KC_T}, 1.0f);
        EXPECT_EQ(listener->filtering, step.filtering);
        EXPECT_EQ(listener->anisotropy, step.anisotropy);
        expectEveryUnit(step, false);
    }
    EXPECT_TRUE(engine.overlayVisible("ScoreOverlay"));
}

TEST_F(KeyCommandsTest, RCyclesWireframePointsAndSolid)
{
    tap({OIS::KC_R});
    EXPECT_EQ(camera->getPolygonMode(), Ogre::PM_WIREFRAME);
    tap({OIS::KC_R}, 0.5f);
    EXPECT_EQ(camera->getPolygonMode(), Ogre::PM_POINTS);
    tap({OIS::KC_R}, 0.5f);
    EXPECT_EQ(camera->getPolygonMode(), Ogre::PM_SOLID);
    EXPECT_FLOAT_EQ(listener->toggleDelay, 0.5f);
}

TEST_F(KeyCommandsTest, AScreenshotThatCannotBeSavedDoesNotEndTheGame)
{
    // This engine has no image codec, so saving always fails.
    EXPECT_TRUE(tap({OIS::KC_SYSRQ}));
    EXPECT_EQ(listener->screenshotCount, 1u);
    EXPECT_EQ(window.copies, 1);
    EXPECT_FLOAT_EQ(listener->toggleDelay, 0.5f);
    const auto& lines = engine.logCatcher.lines;
    EXPECT_TRUE(
        std::any_of(lines.begin(), lines.end(),
                    [](const std::string& line)
                    { return line.rfind("Screenshot screenshot_1.png was not saved", 0) == 0; }));

    EXPECT_TRUE(tap({OIS::KC_SYSRQ}, 0.5f));
    EXPECT_EQ(listener->screenshotCount, 2u);
    EXPECT_TRUE(
        std::any_of(lines.begin(), lines.end(),
                    [](const std::string& line)
                    { return line.rfind("Screenshot screenshot_2.png was not saved", 0) == 0; }));
}
