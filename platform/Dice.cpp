#include "platform/Dice.h"

#include <cstdlib>
#include <ctime>

void SystemDice::reseedFromClock()
{
    reseedFrom(std::time(nullptr));
}

void SystemDice::reseedFrom(std::int64_t seconds)
{
    std::srand(static_cast<unsigned>(static_cast<std::uint64_t>(seconds) & 0xFFFFFFFFu));
}

int SystemDice::roll()
{
    return std::rand();
}

void ReplayDice::reseedFromClock()
{
    std::int64_t seconds = 0;
    if (!playing)
        seconds = clock != nullptr ? clock() : std::int64_t(std::time(nullptr));
    else if (!seedsToPlay.empty())
    {
        seconds = seedsToPlay.front();
        seedsToPlay.pop_front();
    }
    // A game that reseeds more often than its recording did has already gone another way:
    // the frame's count of draws says so.
    SystemDice::reseedFrom(seconds);
    frame.seeds.push_back(seconds);
    seeded = true;
}

int ReplayDice::roll()
{
    ++frame.draws;
    if (seeded)
        return std::rand();
    int draw = 0;
    if (!playing)
        draw = std::rand();
    else if (!earlyDrawsToPlay.empty())
    {
        draw = earlyDrawsToPlay.front();
        earlyDrawsToPlay.pop_front();
    }
    frame.earlyDraws.push_back(draw);
    return draw;
}

void ReplayDice::startRecording()
{
    playing = false;
    seeded = false;
    frame = FrameDraws{};
}

void ReplayDice::playFrame(const FrameDraws& recorded)
{
    if (!playing)
        seeded = false; // the first frame of the game played back
    playing = true;
    seedsToPlay.assign(recorded.seeds.begin(), recorded.seeds.end());
    earlyDrawsToPlay.assign(recorded.earlyDraws.begin(), recorded.earlyDraws.end());
    frame = FrameDraws{};
}

FrameDraws ReplayDice::takeFrame()
{
    FrameDraws taken = std::move(frame);
    frame = FrameDraws{};
    return taken;
}

SeparateDiceSequence::SeparateDiceSequence() : previous(initstate(1, state, sizeof state)) {}

SeparateDiceSequence::~SeparateDiceSequence()
{
    setstate(previous);
}
