// Resident memory of a long game, window-less: one minute, then one hour of play at 60
// frames a second, a fish arriving every second and leaving or being eaten.
#include "game/CameraTrackListener.h"
#include "support/EngineFixture.h"

#include <OgreSceneManager.h>

#include <fstream>
#include <iostream>
#include <string>

namespace
{
// A fixed pseudo-random sequence, so each run plays the same game.
class SteadyDice : public Dice
{
public:
    void reseedFromClock() override {}
    int roll() override
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 1) & 0x7FFFFFFF);
    }
    unsigned state = 7;
};

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
} // namespace

int main()
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

    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 1.0f / 60;
    const int framesPerMinute = 60 * 60;
    long afterMinute = 0;
    for (int minute = 1; minute <= 60; ++minute)
    {
        for (int i = 0; i < framesPerMinute; ++i)
        {
            listener.frameStarted(event);
            platform.sounds.clear(); // the recorder is the bench's, not the game's
        }
        if (minute == 1)
            afterMinute = residentKiB();
    }
    const long afterHour = residentKiB();
    std::cout << "resident_after_1_minute_KiB " << afterMinute << "\n"
              << "resident_after_1_hour_KiB " << afterHour << "\n"
              << "growth_KiB " << afterHour - afterMinute << "\n"
              << "fish_in_tank " << world.fishes.size() << "\n"
              << "scene_nodes " << engine.sceneNodeCount() << "\n";
    return afterHour - afterMinute < 1024 ? 0 : 1;
}
