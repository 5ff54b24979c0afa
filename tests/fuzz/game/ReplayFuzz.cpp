// A replay file's bytes, read as the game reads a file given to --replay or --verify.
// The reader is reached only through its public function, whatever the format inside
// becomes; the mutator below only helps the fuzzer past the checksums.

#include "FuzzCheck.h"
#include "game/ReplayFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReplayTape tape;
    std::string why;
    if (!readReplay(std::string(reinterpret_cast<const char*>(data), size), tape, why))
        fuzzCheck(!why.empty(), "a refused replay says why");
    return 0;
}

#ifdef FISHTANK_LIBFUZZER
// Every piece of a replay file carries a checksum of its packed bytes, so nearly every
// plain mutation is refused before the recorded game is read. Half the mutations are
// therefore made to the game unpacked from a file (format 1's hand-packed records or format
// 2's protobuf fields, as the seeds hold both), packed again in its format in one or two
// pieces with true checksums, the game finished or cut short: both readers are reached.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace
{
constexpr std::size_t kMostUnpacked = 1 << 20;

// The recorded game inside a file of either format: every whole piece's records, unpacked.
bool unpack(const std::uint8_t* data, std::size_t size, int& format, std::string& records)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string why;
    if (!openReplay(bytes, kReplayFormat, format, why))
        return false;
    readReplayPieces(bytes, [&](const std::string& piece) { records += piece; });
    return !records.empty() && records.size() < kMostUnpacked;
}

// A file of the format holding the records, in one piece or split in two at `split`.
std::string pack(int format, const std::string& records, std::size_t split, bool finished)
{
    ReplayCodec codec(format);
    std::string file;
    if (split > 0)
        file = codec.piece(records.substr(0, split), false);
    return file + codec.piece(records.substr(split), finished);
}
} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed)
{
    std::string records;
    int format = 0;
    if (seed % 2 == 0 || !unpack(data, size, format, records))
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t unpacked = records.size();
    records.resize(unpacked * 2 + 64);
    records.resize(LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(records.data()), unpacked,
                                    records.size()));
    const std::size_t split = records.empty() ? 0 : (seed / 2) % records.size();
    const std::string file = pack(format, records, seed % 3 == 0 ? 0 : split, seed % 5 != 0);
    if (file.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, file.data(), file.size());
    return file.size();
}
#endif
