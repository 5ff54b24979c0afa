// How long the game rules of one frame take with 0 to 1,000 other fish in the tank.
#include "game/CameraTrackListener.h"
#include "platform/Gamepads.h"
#include "support/EngineFixture.h"
#include "support/VirtualPad.h"

#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <benchmark/benchmark.h>

namespace
{
void frameWithFish(benchmark::State& state)
{
    PlayableTank tank;
    TankRecords& world = tank.world;
    CameraTrackListener& listener = *tank.listener;

    // Fish spread over the lower tank, where they never meet the player, and never leave.
    const int count = int(state.range(0));
    world.player.node->setPosition(10, 380, 1);
    for (int i = 0; i < count; ++i)
        world.fishes.push_back(makeFish(tank.engine.scene, &world.background,
                                        float(20 + (i * 37) % 400), float((i * 53) % 300), 40,
                                        i % 2 ? 1 : -1, 0));
    // Frames of no length: every rule runs, but the clocks stand still, so no fish arrives,
    // the hook stays away and the tank keeps its count.
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(listener.frameStarted(event));
    state.SetComplexityN(std::max(count, 1));
}

// One frame's reading of the pads while a pad's stick and buttons move every frame: the
// events SDL queues for them are taken each time, so the reading stays as quick after an
// hour of play as in its first frame.
void padReadWhileTheStickMoves(benchmark::State& state)
{
    Gamepads pads("no such file");
    VirtualPad pad;
    std::vector<std::string> news;
    PadInput held;
    for (auto _ : state)
    {
        held.stickX = -held.stickX + 0.5f;
        held.south = !held.south;
        pad.hold(held);
        benchmark::DoNotOptimize(pads.read(news).connected);
        news.clear();
    }
}
} // namespace

BENCHMARK(padReadWhileTheStickMoves)->Unit(benchmark::kMicrosecond);
BENCHMARK(frameWithFish)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(frameWithFish)
    ->Arg(10)
    ->Arg(20)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
