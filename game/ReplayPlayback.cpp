#include "game/ReplayPlayback.h"

#include "game/CameraTrackListener.h"
#include "platform/Dice.h"

ReplayPlayback::ReplayPlayback(ReplayTape tape_) : tape(std::move(tape_)) {}

void ReplayPlayback::mismatch(const std::string& expected, const std::string& got)
{
    difference = "differs at frame " + std::to_string(at) + " (second " +
                 std::to_string(long(time)) + "): expected " + expected + ", got " + got;
}

void ReplayPlayback::playNext(CameraTrackListener& game, ReplayDice& dice)
{
    if (done())
        return;
    const ReplayFrame& frame = tape.frames[at];
    dice.playFrame(frame.dice);
    const bool running = game.playRecorded(frame);
    const int draws = dice.takeFrame().draws;
    ++at;
    time += frame.dt;
    score = game.gameEnd().score;
    if (draws != frame.dice.draws)
        return mismatch(std::to_string(frame.dice.draws) + " draws of the dice",
                        std::to_string(draws));
    for (; checkAt < tape.checks.size() && tape.checks[checkAt].first <= at; ++checkAt)
    {
        const ReplayCheck now = game.tankCheck();
        const ReplayCheck& then = tape.checks[checkAt].second;
        if (now.hash != then.hash || now.score != then.score || now.meals != then.meals ||
            now.fishCount != then.fishCount)
            return mismatch(checkText(then), checkText(now));
    }
    if (!running && at < tape.frames.size())
        return mismatch(std::to_string(tape.frames.size() - at) + " more frames", "the game quit");
    if (at < tape.frames.size() || !tape.ended)
        return;
    const ReplayEnd end = game.gameEnd();
    const std::string expected =
        std::string(gameEndText(tape.end.cause)) + " with score " + std::to_string(tape.end.score);
    const std::string got =
        std::string(gameEndText(end.cause)) + " with score " + std::to_string(end.score);
    if (expected != got)
        return mismatch("the end by " + expected, got);
}

std::string ReplayPlayback::outcome() const
{
    if (!difference.empty())
        return difference;
    if (!tape.unreadable.empty())
        return "same up to frame " + std::to_string(at) + " (second " + std::to_string(long(time)) +
               "): score " + std::to_string(score) +
               "; the rest cannot be read: " + tape.unreadable;
    const std::string line =
        "same: score " + std::to_string(score) + ", " + std::to_string(at) + " frames, ";
    if (tape.ended)
        return line + gameEndText(tape.end.cause);
    return line + "no end (the recording stops at second " + std::to_string(long(time)) + ")";
}
