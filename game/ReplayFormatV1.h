#pragma once

#include "game/ReplayTapeReader.h"

// The records of replay format 1, as the game wrote them before format 2: hand-packed
// numbers (zigzag varints, floats low byte first), a frame's keys as bits over the old key
// table. Still read, never written.
class ReplayFormatV1 : public ReplayTapeReader
{
public:
    using ReplayTapeReader::ReplayTapeReader;

private:
    void takeRecords(const std::string& records) override;
};
