#pragma once

#include "game/ReplayRecords.h"

#include <string>

class CameraTrackListener;
class ReplayDice;

// Plays a recorded game again through the game's own listener, one recorded frame at a
// time, and compares what happens with what the recording says: the draws of each frame,
// the check of every second and the end.
class ReplayPlayback
{
public:
    explicit ReplayPlayback(ReplayTape tape);

    const ReplayHeader& header() const { return tape.header; }
    // Every recorded frame is played, or the game went another way.
    bool done() const { return at >= tape.frames.size() || !difference.empty(); }
    // The recorded time of the next frame.
    float nextFrameSeconds() const { return done() ? 0.0f : tape.frames[at].dt; }
    void playNext(CameraTrackListener& game, ReplayDice& dice);
    // Empty while the game goes as recorded; else "differs at frame F (second S): ...".
    const std::string& differs() const { return difference; }
    // Why the file's rest could not be read; empty when all of it was.
    const std::string& unreadable() const { return tape.unreadable; }
    // The line --verify prints once done: "same: score N, M frames, cause", the difference,
    // or how far a damaged file was the same and why the rest cannot be read.
    std::string outcome() const;
    std::size_t framesPlayed() const { return at; }
    double secondsPlayed() const { return time; }

private:
    void mismatch(const std::string& expected, const std::string& got);

    ReplayTape tape;
    std::size_t at = 0;      // frames played
    std::size_t checkAt = 0; // checks compared
    double time = 0;
    int score = 0; // the score of the game played again
    std::string difference;
};
