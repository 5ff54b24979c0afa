#pragma once

#include "game/ReplayRecords.h"

#include <string>

// Takes a file's records into a tape piece by piece, in either format: a piece that cannot
// be read leaves the tape as it was after the piece before. The formats read the records;
// this keeps the bounds every recorded game keeps.
class ReplayTapeReader
{
public:
    explicit ReplayTapeReader(ReplayTape& tape_) : tape(tape_) {}
    virtual ~ReplayTapeReader() = default;
    ReplayTapeReader(const ReplayTapeReader&) = delete;
    ReplayTapeReader& operator=(const ReplayTapeReader&) = delete;

    // Takes one piece's records; throws a std::exception with the reason to refuse them.
    void take(const std::string& records);
    bool headerRead() const { return headerTaken; }

protected:
    // Reads one piece's records through the calls below; the first piece begins with the
    // header.
    virtual void takeRecords(const std::string& records) = 0;

    void takeHeader(const ReplayHeader& header);
    // The next frame to fill, holding the input of the frame before and no dice, resize or
    // loss of focus; `keepFrame` adds it to the tape.
    ReplayFrame& nextFrame();
    void keepFrame();
    void addCheck(const ReplayCheck& check);
    void addEnd(const ReplayEnd& end);
    // Throws when the tape already holds the game's end.
    void refuseAfterEnd() const;

    ReplayTape& tape;
    bool headerTaken = false;

private:
    ReplayFrame last;
    std::size_t diceNotes = 0;
};

// A recorded number that must lie in [low, high] (a float must be finite too); throws a
// std::exception naming `what` otherwise.
int inRange(std::int64_t value, std::int64_t low, std::int64_t high, const char* what);
float finiteInRange(float value, float low, float high, const char* what);

constexpr int kMaxWindowSide = 32768;
constexpr unsigned kMaxPerFrame = 64; // reseeds or early draws in one frame
