#include "game/ReplayTapeReader.h"

#include <cmath>
#include <stdexcept>

namespace
{
// Reseeds and early draws over a whole game: one a frame is more than the game ever takes.
constexpr std::size_t kMaxDiceNotes = kMaxReplayFrames;
} // namespace

void ReplayTapeReader::take(const std::string& records)
{
    const std::size_t frames = tape.frames.size(), checks = tape.checks.size();
    const ReplayFrame before = last;
    const std::size_t notesBefore = diceNotes;
    try
    {
        takeRecords(records);
    }
    catch (...)
    {
        tape.frames.resize(frames);
        tape.checks.resize(checks);
        tape.ended = false;
        last = before;
        diceNotes = notesBefore;
        throw;
    }
}

void ReplayTapeReader::takeHeader(const ReplayHeader& header)
{
    tape.header = header;
    headerTaken = true;
}

void ReplayTapeReader::refuseAfterEnd() const
{
    if (tape.ended)
        throw std::runtime_error("there is more after the end of the game");
}

ReplayFrame& ReplayTapeReader::nextFrame()
{
    refuseAfterEnd();
    if (tape.frames.size() >= kMaxReplayFrames)
        throw std::runtime_error("it holds more than " + std::to_string(kMaxReplayFrames) +
                                 " frames");
    last.dice = FrameDraws{};
    last.width = last.height = 0;
    last.focusPaused = false;
    return last;
}

void ReplayTapeReader::keepFrame()
{
    diceNotes += last.dice.seeds.size() + last.dice.earlyDraws.size();
    if (diceNotes > kMaxDiceNotes)
        throw std::runtime_error("it reseeds the dice more often than a game can");
    tape.frames.push_back(last);
}

void ReplayTapeReader::addCheck(const ReplayCheck& check)
{
    refuseAfterEnd();
    // The game checks after a frame, never twice after one.
    if (!tape.checks.empty() && tape.checks.back().first == tape.frames.size())
        throw std::runtime_error("two checks follow one frame");
    tape.checks.emplace_back(tape.frames.size(), check);
}

void ReplayTapeReader::addEnd(const ReplayEnd& end)
{
    refuseAfterEnd();
    if (std::size_t(end.frames) != tape.frames.size())
        throw std::runtime_error("it says " + std::to_string(end.frames) + " frames but holds " +
                                 std::to_string(tape.frames.size()));
    tape.end = end;
    tape.ended = true;
}

int inRange(std::int64_t value, std::int64_t low, std::int64_t high, const char* what)
{
    if (value < low || value > high)
        throw std::runtime_error(std::string(what) + " is " + std::to_string(value) +
                                 ", out of range");
    return int(value);
}

float finiteInRange(float value, float low, float high, const char* what)
{
    if (!std::isfinite(value) || value < low || value > high)
        throw std::runtime_error(std::string(what) + " is " + std::to_string(value) +
                                 ", out of range");
    return value;
}
