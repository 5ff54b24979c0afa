#include "game/CameraTrackListener.h"

#include "support/EngineFixture.h"

#include <OgreSceneManager.h>

namespace
{
// A fixed pseudo-random sequence, so the long game is the same on every run.
class SteadyDice : public Dice
{
public:
    void reseedFromClock() override {}
    int roll() override
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 1) & 0x7FFFFFFF);
    }
    unsigned state = 1;
};
} // namespace

// An hour of play at 60 frames a second with a player that never moves: every fish that
// swims out or is eaten must give back its nodes and pictures.
TEST(LongGame, TheSceneHoldsOnlyTheFishThatAreInTheTank)
{
    WindowlessEngine engine;
    TankWorld world(engine.scene);
    FakeWindow window(1024, 768);
    FakeKeyboard keyboard;
    FakeMouse mouse;
    RecordingPlatform platform;
    SteadyDice dice;
    CameraTrackListener listener(&window, engine.scene->createCamera("PlayerCam"),
                                 InputDevices{&keyboard, &mouse, nullptr}, platform, dice);
    listener.player = &world.player;
    listener.hookNode = world.hookNode;
    listener.background = &world.background;
    listener.fishes = &world.fishes;

    const size_t baseNodes = engine.sceneNodeCount();
    const size_t baseSets = engine.billboardSetCount();
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 1.0f / 60;
    size_t mostFish = 0;
    for (int minute = 1; minute <= 60; ++minute)
    {
        for (int i = 0; i < 60 * 60; ++i)
            ASSERT_TRUE(listener.frameStarted(event));
        mostFish = std::max(mostFish, world.fishes.size());
        ASSERT_EQ(engine.sceneNodeCount(), baseNodes + 3 * world.fishes.size()) << minute;
        ASSERT_EQ(engine.billboardSetCount(), baseSets + 2 * world.fishes.size()) << minute;
    }
    // Fish cross in at most 25 s at the slowest speed, one arriving each second.
    EXPECT_LE(mostFish, 30u);
    EXPECT_GT(mostFish, 0u);
}
