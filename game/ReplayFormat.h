#pragma once

#include "game/ReplayRecords.h"
#include "platform/ReplayCodec.h"

#include <string>

// Writing and reading .replay files. The writer writes format 2 (game/replay.proto's
// numbered fields, in platform/ReplayCodec.h's pieces); the reader reads formats 1 and 2.
constexpr int kReplayFormat = 2;

// Writes a recorded game as it goes: records are packed at once, and each flush hands over
// the bytes to append to the file, whole and readable up to that point.
class ReplayWriter
{
public:
    explicit ReplayWriter(const ReplayHeader& header);

    void frame(const ReplayFrame& frame);
    void check(const ReplayCheck& check);
    // The bytes made since the last flush (the file's beginning, the first time); empty when
    // nothing was recorded since.
    std::string flush();
    // Recorded bytes not yet flushed: past kPieceRecordBytes, a flush is due.
    std::size_t waiting() const { return records.size(); }
    // The end record and the last bytes; nothing may be written after it.
    std::string finish(const ReplayEnd& end);

private:
    ReplayCodec codec;
    std::string records; // not packed yet
    FrameInput last;     // frames keep what changed since the frame before
    int frames = 0;
};

// Reads a .replay file piece by piece. False, with the reason in `why`, for a file that is
// not a recorded game, comes from a newer replay format or whose first piece is damaged. A
// file damaged or cut short later is read up to its last whole piece, with the reason in
// the tape's `unreadable`; a file without an end record (a game stopped by an error) is
// read to its end. No piece is unpacked past a fixed bound.
bool readReplay(const std::string& bytes, ReplayTape& tape, std::string& why);

// "recorded by fishtank 1.0.0; this is 1.1.0" for a game another version recorded; empty
// when this version did.
std::string recordedByOtherVersion(const ReplayHeader& header, const std::string& thisVersion);
