#pragma once

#include <cstdint>
#include <deque>
#include <vector>

// The game's source of chance: the spawner reseeds it from the calendar clock and
// draws from it, and the hook draws its timings and places from the same sequence.
class Dice
{
public:
    virtual ~Dice() = default;
    // Seeds the sequence from the current calendar time in whole seconds.
    virtual void reseedFromClock() = 0;
    // The next draw, never negative.
    virtual int roll() = 0;
};

// The C library's generator, seeded from time(): two spawns in one second look alike.
class SystemDice : public Dice
{
public:
    void reseedFromClock() override;
    int roll() override;
    // Seeds the sequence as reseedFromClock does at that calendar second.
    static void reseedFrom(std::int64_t seconds);
};

// What the dice did in one frame, as a recorded game keeps it.
struct FrameDraws
{
    std::vector<std::int64_t> seeds; // the calendar seconds of each reseed
    std::vector<int> earlyDraws;     // draws before the game's first reseed, by value
    int draws = 0;                   // every draw of the frame
};

// The system's dice with a tape, so that a game can be recorded and happen again: they
// note the seconds of every reseed and the draws taken before a game's first reseed (those
// depend on the games before it); played back, they give the same seeds and early draws.
class ReplayDice : public Dice
{
public:
    void reseedFromClock() override;
    int roll() override;

    // A new game is being recorded: its draws are noted until its first reseed.
    void startRecording();
    // A recorded frame is about to be played: its reseeds and early draws come next.
    void playFrame(const FrameDraws& recorded);
    // What this frame took; the next frame starts from nothing.
    FrameDraws takeFrame();
    // The calendar clock a recording reseeds from (time() when null); a game recorded
    // faster than it is played keeps the seconds of its own time.
    std::int64_t (*clock)() = nullptr;

private:
    bool playing = false;
    bool seeded = false; // the game has reseeded at least once
    FrameDraws frame;
    std::deque<std::int64_t> seedsToPlay;
    std::deque<int> earlyDrawsToPlay;
};

// While it lives, the C library's generator that the dice draw from runs a sequence of its
// own, begun fresh: a game played inside another (a replay watched during a game) leaves
// the other game's chances as they were, and its sequence comes back when this goes.
class SeparateDiceSequence
{
public:
    SeparateDiceSequence();
    ~SeparateDiceSequence();
    SeparateDiceSequence(const SeparateDiceSequence&) = delete;
    SeparateDiceSequence& operator=(const SeparateDiceSequence&) = delete;

private:
    // The generator's usual size of state, so that a reseed gives the usual draws.
    char state[128] = {};
    char* previous = nullptr;
};
