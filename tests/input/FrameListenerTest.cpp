#include "input/ExampleFrameListener.h"

#include "app/ExampleApplication.h"
#include "game/CameraTrackListener.h"
#include "platform/Gamepads.h"
#include "support/GameTest.h"

#include <Ogre.h>

namespace
{
const std::string kLoggingLine = "*** THE LOGGING IS WORKING ***";
}

using FrameListenerTest = GameTest;

TEST_F(FrameListenerTest, StartsWithTheScoreShownAndTheBannerHidden)
{
    EXPECT_EQ(engine.logCatcher.count(kLoggingLine), 1);
    EXPECT_TRUE(engine.overlayVisible("ScoreOverlay"));
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay"));
    EXPECT_TRUE(listener->statsOn);
    EXPECT_FALSE(listener->paused);
    EXPECT_EQ(listener->filtering, int(Ogre::TFO_BILINEAR));
    EXPECT_EQ(listener->anisotropy, 1u);
    EXPECT_FLOAT_EQ(listener->moveSpeed, 100);
    EXPECT_EQ(mouse.getMouseState().width, 1024);
    EXPECT_EQ(mouse.getMouseState().height, 768);

    ExampleFrameListener second(&window, camera, std::make_unique<LentInput>(&keyboard, &mouse),
                                platform);
    EXPECT_EQ(engine.logCatcher.count(kLoggingLine), 2);
}

TEST_F(FrameListenerTest, AClosedWindowEndsTheLoopBeforeAnyDeviceIsRead)
{
    window.closed = true;
    EXPECT_FALSE(frame(0.1f));
    EXPECT_EQ(keyboard.captures, 0);
    EXPECT_EQ(mouse.captures, 0);
}

TEST_F(FrameListenerTest, EveryFrameReadsTheDevicesAndCountsTheToggleDelayDown)
{
    EXPECT_TRUE(frame(0.25f));
    EXPECT_EQ(keyboard.captures, 1);
    EXPECT_EQ(mouse.captures, 1);
    EXPECT_FLOAT_EQ(listener->toggleDelay, -0.25f);
    EXPECT_FLOAT_EQ(listener->moveScale, 25);
    frame(0.25f); // below zero it waits for a command to set it again
    EXPECT_FLOAT_EQ(listener->toggleDelay, -0.25f);
    EXPECT_EQ(listener->translation, Ogre::Vector3::ZERO);
}

TEST_F(FrameListenerTest, ResizingTheWindowResizesTheMouseArea)
{
    window.resize(640, 480);
    listener->windowResized(&window);
    EXPECT_EQ(mouse.getMouseState().width, 640);
    EXPECT_EQ(mouse.getMouseState().height, 480);
}

TEST_F(FrameListenerTest, EscapeQuitsBeforeTheMouseAndSteeringRun)
{
    dice.draws = {14};
    keyboard.press(OIS::KC_ESCAPE);
    mouse.move(100, 0, true);
    EXPECT_FALSE(frame(0.1f));
    EXPECT_EQ(playerPosition(), Ogre::Vector3(200, 300, 1));
    EXPECT_EQ(listener->translation, Ogre::Vector3::ZERO);

    keyboard.releaseAll();
    keyboard.press(OIS::KC_Q);
    EXPECT_FALSE(frame(0.1f));
}

namespace
{
// The pieces a bare listener needs, in an engine whose resources may lack an overlay.
struct ListenerParts
{
    explicit ListenerParts(WindowlessEngine::Options options)
        : engine(options), camera(createPlayerCamera(engine.scene))
    {
        buildTank(engine.scene, camera, world);
    }
    std::unique_ptr<ExampleFrameListener> makeListener()
    {
        auto listener = std::make_unique<ExampleFrameListener>(
            &window, camera, std::make_unique<LentInput>(&keyboard, &mouse, &released), platform);
        listener->player = &world.player;
        listener->background = &world.background;
        return listener;
    }

    WindowlessEngine engine;
    Ogre::Camera* camera;
    TankRecords world;
    FakeWindow window{800, 600};
    FakeKeyboard keyboard;
    FakeMouse mouse;
    bool released = false;
    RecordingPlatform platform;
};
} // namespace

TEST(FrameListenerResources, WithoutTheBannerOverlayTheGameRefusesToStart)
{
    WindowlessEngine::Options options;
    options.gameOverOverlay = false;
    ListenerParts parts(options);
    EXPECT_THROW(parts.makeListener(), Ogre::ItemIdentityException);
    EXPECT_TRUE(parts.released) << "a listener that fails to start gives its input back";
}

TEST(FrameListenerResources, WithoutTheScoreOverlayTheToggleStillFlips)
{
    WindowlessEngine::Options options;
    options.scoreOverlay = false;
    ListenerParts parts(options);
    auto listener = parts.makeListener();
    EXPECT_EQ(listener->scoreOverlay, nullptr);
    parts.keyboard.press(OIS::KC_F);
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0.1f;
    EXPECT_TRUE(listener->frameStarted(event));
    EXPECT_FALSE(listener->statsOn);
}

namespace
{
// Devices as the game holds them: the input system owns them, and they go with it.
struct OwnedDevices : InputSystem
{
    OwnedDevices()
    {
        keyboard = &ownKeyboard;
        mouse = &ownMouse;
        gamepads = ownPads.get();
    }
    FakeKeyboard ownKeyboard;
    FakeMouse ownMouse;
    std::unique_ptr<Gamepads> ownPads = std::make_unique<Gamepads>("no such file");
};
} // namespace

TEST_F(FrameListenerTest, NothingReachesTheDevicesOnceTheyAreGivenBack)
{
    dice.draws = {14};
    listener.reset();
    listener =
        makeTankListener(&window, camera, world, std::make_unique<OwnedDevices>(), platform, dice);
    ASSERT_NE(listener->gamepads(), nullptr);
    listener->releaseInput();
    EXPECT_EQ(listener->mouse(), nullptr);
    EXPECT_EQ(listener->gamepads(), nullptr);
    // A resize, and a meal that rumbles the pads, once they are gone.
    window.resize(640, 480);
    listener->windowResized(&window);
    addFish(playerPosition().x + 5, playerPosition().y, 28);
    EXPECT_TRUE(frame(0.01f));
    EXPECT_EQ(world.player.score, 28);
}

TEST_F(FrameListenerTest, ClosingItsOwnWindowGivesTheInputBackOnce)
{
    FakeWindow other(640, 480);
    listener->windowClosed(&other);
    EXPECT_FALSE(inputReleased);
    EXPECT_NE(listener->inputManager, nullptr);

    window.closed = true;
    listener->windowClosed(&window);
    EXPECT_TRUE(inputReleased);
    EXPECT_EQ(listener->inputManager, nullptr);
    // A resize after the close touches no device, and the next frame ends the loop.
    listener->windowResized(&window);
    EXPECT_FALSE(frame(0.1f));
    listener.reset(); // the destructor has nothing left to give back
}
