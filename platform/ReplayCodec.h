#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The container of a .replay file, which knows no game: the magic "FTREPLAY", a format
// number (two bytes, low byte first), then pieces. A piece is its packed length and the
// CRC-32 of its packed bytes (four bytes each, low byte first), then the bytes: one zlib
// stream runs through the pieces, each flushed whole, so a file cut after any piece reads
// up to it.

constexpr std::size_t kMaxReplayFileBytes = 64u << 20;
// A piece holds at most kPieceRecordBytes of records and one more; anything larger is
// refused before more of it is unpacked.
constexpr std::size_t kMaxReplayPieceBytes = 1u << 20;
// Records waiting beyond this are packed as a piece of their own, so no piece unpacks past
// what the reader takes.
constexpr std::size_t kPieceRecordBytes = 256u << 10;

// Packs a file's records into pieces as they come.
class ReplayCodec
{
public:
    // The file begins with the given format number.
    explicit ReplayCodec(int format);
    ~ReplayCodec();
    ReplayCodec(const ReplayCodec&) = delete;
    ReplayCodec& operator=(const ReplayCodec&) = delete;

    // The bytes to append to the file for these records: the file's beginning the first
    // time, then one piece; `last` ends the packed stream, and nothing may follow it.
    // Throws when zlib fails.
    std::string piece(const std::string& records, bool last);
    // True until the first piece has taken the file's beginning.
    bool startWaiting() const { return !start.empty(); }

private:
    struct Stream;
    std::unique_ptr<Stream> zip;
    std::string start; // the file's beginning, until the first piece takes it
};

// Checks the file's beginning: false, with the reason, for bytes that are not a replay,
// from a format newer than `newestFormat` (or 0), or too large to be one.
bool openReplay(const std::string& bytes, int newestFormat, int& format, std::string& why);

// Unpacks the pieces of a file `openReplay` took, in order, handing each to `take`, which
// throws a std::exception with the reason to refuse it. Stops at the first piece that is
// cut short, damaged, unpacks past the bounds or is refused, and returns why ("" when every
// piece was taken), naming the piece's byte.
std::string readReplayPieces(const std::string& bytes,
                             const std::function<void(const std::string& records)>& take);
