// The real game in a window, with the settings saved in ogre.cfg instead of the dialog:
// time from the start of the process to the first rendered frame, frames per second with a
// typical tank (the player, 20 fish, the hook in view) with the frame time's mean, median
// and 99th percentile (stutter shows there), the share of a frame that the game's own frame
// work takes, and the time to shut down. Run it in the run directory, with the window size
// as its argument ("1920x1080"; 1024x768 when none is given).
#include "game/CameraTrackApplication.h"
#include "input/ExampleFrameListener.h"
#include "platform/DesktopPlatform.h"
#include "platform/Dice.h"
#include "scene/FishVisuals.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <Ogre.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// How long this process has been running, from the kernel's own record of its start
// (to the clock tick, 10 ms here).
double millisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) // field 22 is the start time, in ticks since boot
        fields >> field;
    const double startedSeconds = std::stod(field) / double(sysconf(_SC_CLK_TCK));
    double uptimeSeconds = 0;
    std::ifstream("/proc/uptime") >> uptimeSeconds;
    return (uptimeSeconds - startedSeconds) * 1000.0;
}

// The frame time below which the given share of the frames lie.
double percentile(std::vector<double> times, double share)
{
    std::sort(times.begin(), times.end());
    const auto at = std::size_t(share * double(times.size() - 1) + 0.5);
    return times[at];
}

class BenchGame : public CameraTrackApplication
{
public:
    BenchGame(Platform& platform_, Dice& dice_, std::string size_)
        : CameraTrackApplication(platform_, dice_), videoMode(std::move(size_))
    {
    }

    bool openRenderWindow() override
    {
        if (!root->restoreConfig())
            OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, "run me where ogre.cfg is",
                        "RenderBench");
        // Players get vsync; the benchmark measures how fast frames can be drawn.
        root->getRenderSystem()->setConfigOption("VSync", "No");
        root->getRenderSystem()->setConfigOption("Video Mode", videoMode);
        window = root->initialise(true, "OGRE Render Window");
        OgreBites::WindowEventUtilities::_addRenderWindow(window);
        return true;
    }

    // Twenty fish of every kind spread over the tank, away from the player; the hook hangs
    // in view. The frames are drawn with no time passing, so the tank keeps just these.
    void fillTank()
    {
        const char* kinds[] = {"ZorvFish",  "RedFish",    "YellowFish",
                               "GreenFish", "PurpleFish", "SharkFish"};
        const int sizes[] = {28, 40, 60, 80, 100, 160, 200};
        for (int i = 0; i < 20; ++i)
        {
            Fish fish;
            resetFish(fish);
            const std::string material = std::string("Examples/") + kinds[i % 6];
            const int size = sizes[i % 7];
            createFishVisuals(fish, i % 2 ? 1 : -1, 0, sceneManager, &background, material,
                              material + "Right", 20 + (i * 61) % 300, (i * 47) % 230, size,
                              size / 4);
            fishes.push_back(fish);
        }
        hookNode->setPosition(420, 60, 2);
    }

    Ogre::Root& engine() { return *root; }
    ExampleFrameListener& listener() { return *frameListener; }

private:
    std::string videoMode; // "1920 x 1080"
};
} // namespace

int main(int argc, char** argv)
{
    std::string label = argc > 1 ? argv[1] : "1024x768";
    std::string size = label;
    size.replace(size.find('x'), 1, " x ");
    DesktopPlatform platform;
    SystemDice dice;
    auto game = std::make_unique<BenchGame>(platform, dice, size);
    game->setUp();
    game->engine().getRenderSystem()->_initRenderTargets();
    game->engine().renderOneFrame(0);
    const double startup = millisecondsSinceProcessStart();

    game->fillTank();
    const int frames = 600;
    for (int i = 0; i < 60; ++i) // warm up
        game->engine().renderOneFrame(0);
    std::vector<double> frameTimes;
    const Clock::time_point renderStart = Clock::now();
    for (int i = 0; i < frames; ++i)
    {
        const Clock::time_point frameStart = Clock::now();
        game->engine().renderOneFrame(0);
        frameTimes.push_back(millisecondsSince(frameStart));
    }
    const double frameMs = millisecondsSince(renderStart) / frames;

    // The listener's own work of a frame: input, keys, steering and the rules.
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0;
    const Clock::time_point rulesStart = Clock::now();
    for (int i = 0; i < frames; ++i)
        game->listener().frameStarted(event);
    const double rulesMs = millisecondsSince(rulesStart) / frames;

    const Clock::time_point stop = Clock::now();
    game.reset();
    const double shutdown = millisecondsSince(stop);

    const std::string at = "_" + label;
    std::cout << "startup_to_first_frame_ms" << at << " " << startup << "\n"
              << "frames_per_second" << at << " " << 1000.0 / frameMs << "\n"
              << "frame_ms_mean" << at << " " << frameMs << "\n"
              << "frame_ms_median" << at << " " << percentile(frameTimes, 0.5) << "\n"
              << "frame_ms_p99" << at << " " << percentile(frameTimes, 0.99) << "\n"
              << "listener_ms_per_frame" << at << " " << rulesMs << "\n"
              << "listener_share_percent" << at << " " << 100.0 * rulesMs / frameMs << "\n"
              << "shutdown_ms" << at << " " << shutdown << "\n";
    return 0;
}
