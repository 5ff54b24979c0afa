// A replay file's bytes, read as the game reads a file given to --replay or --verify.
// The reader is reached only through its public function, whatever the format inside
// becomes; the mutator below only helps the fuzzer past the checksums.

#include "FuzzCheck.h"
#include "input/ReplayFormat.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
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
// therefore made to the game unpacked from a file of format 1 (as the stored games are),
// packed again in one or two pieces with true checksums, the game finished or cut short.
extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace
{
constexpr char kMagic[8] = {'F', 'T', 'R', 'E', 'P', 'L', 'A', 'Y'};
constexpr std::size_t kFileStart = sizeof kMagic + 2;
constexpr std::size_t kMostUnpacked = 1 << 20;

void putWord(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += char(value >> (8 * i) & 0xFF);
}

// The recorded game inside a file of format 1: every whole piece's bytes, unpacked.
bool unpack(const std::uint8_t* data, std::size_t size, std::string& records)
{
    if (size < kFileStart || std::memcmp(data, kMagic, sizeof kMagic) != 0 || data[8] != 1 ||
        data[9] != 0)
        return false;
    z_stream unzip{};
    if (inflateInit(&unzip) != Z_OK)
        return false;
    unsigned char buffer[16384];
    int status = Z_OK;
    for (std::size_t at = kFileStart; at + 8 <= size && status == Z_OK;)
    {
        std::uint32_t length = 0;
        std::memcpy(&length, data + at, 4);
        if (length > size - at - 8)
            break;
        unzip.next_in = const_cast<Bytef*>(data + at + 8);
        unzip.avail_in = length;
        do
        {
            unzip.next_out = buffer;
            unzip.avail_out = sizeof buffer;
            status = inflate(&unzip, Z_SYNC_FLUSH);
            records.append(reinterpret_cast<char*>(buffer), sizeof buffer - unzip.avail_out);
        } while (status == Z_OK && unzip.avail_out == 0 && records.size() < kMostUnpacked);
        at += 8 + length;
    }
    inflateEnd(&unzip);
    return !records.empty() && records.size() < kMostUnpacked;
}

// A file of format 1 holding the records, in one piece or split in two at `split`.
std::string pack(const std::string& records, std::size_t split, bool finished)
{
    std::string file(kMagic, sizeof kMagic);
    file += '\1';
    file += '\0';
    z_stream zip{};
    deflateInit(&zip, Z_DEFAULT_COMPRESSION);
    for (const auto& [from, to] : {std::pair{std::size_t(0), split}, {split, records.size()}})
    {
        if (from == to && to != records.size())
            continue;
        const bool last = to == records.size();
        std::string packed(deflateBound(&zip, uLong(to - from)) + 64, '\0');
        zip.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(records.data() + from));
        zip.avail_in = uInt(to - from);
        zip.next_out = reinterpret_cast<Bytef*>(packed.data());
        zip.avail_out = uInt(packed.size());
        deflate(&zip, last && finished ? Z_FINISH : Z_SYNC_FLUSH);
        packed.resize(packed.size() - zip.avail_out);
        putWord(file, std::uint32_t(packed.size()));
        putWord(file, std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(packed.data()),
                                          uInt(packed.size()))));
        file += packed;
    }
    deflateEnd(&zip);
    return file;
}
} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned seed)
{
    std::string records;
    if (seed % 2 == 0 || !unpack(data, size, records))
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::size_t unpacked = records.size();
    records.resize(unpacked * 2 + 64);
    records.resize(LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(records.data()), unpacked,
                                    records.size()));
    const std::size_t split = records.empty() ? 0 : (seed / 2) % records.size();
    const std::string file = pack(records, seed % 3 == 0 ? 0 : split, seed % 5 != 0);
    if (file.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, file.data(), file.size());
    return file.size();
}
#endif
