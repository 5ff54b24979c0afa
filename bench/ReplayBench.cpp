// What recording costs a frame, and how large a 10-minute game's file grows: the frames of
// the stored games (real play: keys, mouse, pad, resizes, dice) written again in a loop, as
// the game's recorder writes them (a check and a flushed piece every second of game time).
#include "game/ReplayFormat.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace
{
std::vector<ReplayFrame> storedFrames()
{
    std::vector<ReplayFrame> frames;
    for (const char* name : {"lost", "grown", "paused", "marks", "session-1"})
    {
        std::ifstream file(std::string(FISHTANK_SOURCE_DIR) + "/tests/replays/" + name + ".replay",
                           std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), {});
        ReplayTape tape;
        std::string why;
        if (readReplay(bytes, tape, why))
            frames.insert(frames.end(), tape.frames.begin(), tape.frames.end());
    }
    return frames;
}

void writeFrame(benchmark::State& state)
{
    const std::vector<ReplayFrame> frames = storedFrames();
    ReplayHeader header;
    header.gameVersion = "1.1.0";
    header.width = 1024;
    header.height = 768;
    std::size_t bytes = 0, at = 0, written = 0;
    ReplayWriter writer(header);
    bytes += writer.flush().size();
    const ReplayCheck check{0x0123456789abcdef, 28, 5, 12};
    for (auto _ : state)
    {
        writer.frame(frames[at]);
        if (++at == frames.size())
            at = 0;
        if (++written % 60 == 0)
        {
            writer.check(check);
            bytes += writer.flush().size();
        }
    }
    state.counters["bytes_per_10_minutes"] = double(bytes) * 36000.0 / double(written);
}
} // namespace

BENCHMARK(writeFrame)->Unit(benchmark::kNanosecond)->Iterations(360000);

BENCHMARK_MAIN();
