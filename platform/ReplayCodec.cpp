#include "platform/ReplayCodec.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace
{
constexpr char kMagic[8] = {'F', 'T', 'R', 'E', 'P', 'L', 'A', 'Y'};
constexpr std::size_t kFileStart = sizeof kMagic + 2;
constexpr std::size_t kMaxUnpackedBytes = 128u << 20;

void putWord(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += char(value >> (8 * i) & 0xFF);
}

std::uint32_t wordAt(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t(std::uint8_t(bytes[at + i])) << (8 * i);
    return value;
}

std::uint32_t checksum(const Bytef* bytes, std::size_t length)
{
    return std::uint32_t(crc32(0, bytes, uInt(length)));
}

// Unpacks one piece, refusing it as soon as it passes the bound.
bool unpackPiece(z_stream& unzip, const Bytef* packed, std::uint32_t length, std::string& records,
                 bool& streamEnded, std::string& why)
{
    records.clear();
    unzip.next_in = const_cast<Bytef*>(packed);
    unzip.avail_in = length;
    unsigned char buffer[65536];
    while (unzip.avail_in > 0 && !streamEnded)
    {
        unzip.next_out = buffer;
        unzip.avail_out = sizeof buffer;
        const int status = inflate(&unzip, Z_SYNC_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
        {
            why = "its packed data is damaged";
            return false;
        }
        records.append(reinterpret_cast<const char*>(buffer), sizeof buffer - unzip.avail_out);
        streamEnded = status == Z_STREAM_END;
        if (records.size() > kMaxReplayPieceBytes)
        {
            why = "a piece unpacks to more than a replay's piece can hold";
            return false;
        }
        if (status == Z_BUF_ERROR && unzip.avail_out != 0)
            break; // no progress: the piece held nothing more to give
    }
    if (unzip.avail_in > 0)
    {
        why = "there is more after the end of the game";
        return false;
    }
    return true;
}
} // namespace

struct ReplayCodec::Stream
{
    z_stream z{};
};

ReplayCodec::ReplayCodec(int format) : zip(std::make_unique<Stream>())
{
    if (deflateInit(&zip->z, Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not start");
    start.assign(kMagic, sizeof kMagic);
    start += char(format & 0xFF);
    start += char(format >> 8 & 0xFF);
}

ReplayCodec::~ReplayCodec()
{
    deflateEnd(&zip->z);
}

std::string ReplayCodec::piece(const std::string& records, bool last)
{
    z_stream& z = zip->z;
    std::string packed;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(records.data()));
    z.avail_in = uInt(records.size());
    unsigned char buffer[16384];
    int status = Z_OK;
    do
    {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        status = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
        // Z_BUF_ERROR only says a call had nothing left to do.
        if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR)
            throw std::runtime_error("zlib could not pack the replay (" + std::to_string(status) +
                                     ")");
        packed.append(reinterpret_cast<const char*>(buffer), sizeof buffer - z.avail_out);
    } while (z.avail_out == 0);
    if (z.avail_in != 0 || (last && status != Z_STREAM_END))
        throw std::runtime_error("zlib could not pack the whole replay");
    // Each piece carries its length and checksum: a damaged byte is found, and a file cut
    // short is read up to its last whole piece.
    std::string out = std::move(start);
    start.clear();
    putWord(out, std::uint32_t(packed.size()));
    putWord(out, checksum(reinterpret_cast<const Bytef*>(packed.data()), packed.size()));
    return out + packed;
}

bool openReplay(const std::string& bytes, int newestFormat, int& format, std::string& why)
{
    if (bytes.size() < kFileStart || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    {
        why = "it is not a fishtank replay";
        return false;
    }
    format = std::uint8_t(bytes[8]) | std::uint8_t(bytes[9]) << 8;
    if (format > newestFormat)
    {
        why = "it was recorded by a newer version of the game (replay format " +
              std::to_string(format) + "; this game reads " + std::to_string(newestFormat) + ")";
        return false;
    }
    if (format < 1 || bytes.size() > kMaxReplayFileBytes)
    {
        why = format < 1 ? "its replay format (0) is unknown" : "it is too large to be a replay";
        return false;
    }
    return true;
}

std::string readReplayPieces(const std::string& bytes,
                             const std::function<void(const std::string& records)>& take)
{
    z_stream unzip{};
    if (inflateInit(&unzip) != Z_OK)
        return "zlib could not start";
    std::string records, problem;
    std::size_t at = kFileStart, unpacked = 0;
    bool streamEnded = false;
    while (at < bytes.size() && problem.empty())
    {
        const bool whole = bytes.size() - at >= 8;
        const std::uint32_t length = whole ? wordAt(bytes, at) : 0;
        const auto* packed =
            reinterpret_cast<const Bytef*>(bytes.data()) + std::min(bytes.size(), at + 8);
        if (!whole || length > bytes.size() - at - 8)
            problem = "it is cut short at byte " + std::to_string(bytes.size());
        else if (streamEnded)
            problem = "there is more after the end of the game";
        else if (checksum(packed, length) != wordAt(bytes, at + 4))
            problem = "it is damaged in the piece at byte " + std::to_string(at);
        else if (!unpackPiece(unzip, packed, length, records, streamEnded, problem) ||
                 (unpacked += records.size()) > kMaxUnpackedBytes)
        {
            if (problem.empty())
                problem = "it unpacks to more than a replay can hold";
            problem += " (the piece at byte " + std::to_string(at) + ")";
        }
        else
        {
            try
            {
                take(records);
            }
            catch (const std::exception& error)
            {
                problem =
                    error.what() + std::string(" (the piece at byte ") + std::to_string(at) + ")";
            }
        }
        at += 8 + std::size_t(length);
    }
    inflateEnd(&unzip);
    return problem;
}
