#include "input/ReplayFormat.h"

#include "input/Bindings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace
{
constexpr char kMagic[8] = {'F', 'T', 'R', 'E', 'P', 'L', 'A', 'Y'};
constexpr std::size_t kMaxFileBytes = 64u << 20;
// A piece holds at most kPieceRecordBytes and one more frame; anything larger is refused
// before more of it is unpacked.
constexpr std::size_t kMaxPieceBytes = 1u << 20;
constexpr std::size_t kMaxUnpackedBytes = 128u << 20;
constexpr unsigned kMaxPerFrame = 64; // reseeds or early draws in one frame
// Reseeds and early draws over a whole game: one a frame is more than the game ever takes.
constexpr std::size_t kMaxDiceNotes = kMaxReplayFrames;
constexpr int kMaxWindowSide = 32768;

// What a frame record carries besides its time and draws.
enum FrameParts : unsigned
{
    kKeys = 1,
    kMouse = 2,
    kPad = 4,
    kFocus = 8,
    kResize = 16,
    kSeeds = 32,
    kEarlyDraws = 64
};

void putVarint(std::string& out, std::uint64_t value)
{
    while (value >= 0x80)
    {
        out += char((value & 0x7F) | 0x80);
        value >>= 7;
    }
    out += char(value);
}

void putSigned(std::string& out, std::int64_t value)
{
    putVarint(out, (std::uint64_t(value) << 1) ^ std::uint64_t(value >> 63));
}

void putFloat(std::string& out, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        out += char(bits >> (8 * i) & 0xFF);
}

void putWord(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += char(value >> (8 * i) & 0xFF);
}

// The first format kept a frame's keys as one bit each, in this order.
constexpr int kFirstFormatKeyCount = 25;
const OIS::KeyCode kFirstFormatKeys[kFirstFormatKeyCount] = {
    OIS::KC_P,           OIS::KC_F1,     OIS::KC_M,     OIS::KC_H,      OIS::KC_RETURN,
    OIS::KC_NUMPADENTER, OIS::KC_LMENU,  OIS::KC_RMENU, OIS::KC_F11,    OIS::KC_A,
    OIS::KC_D,           OIS::KC_UP,     OIS::KC_W,     OIS::KC_DOWN,   OIS::KC_S,
    OIS::KC_PGUP,        OIS::KC_PGDOWN, OIS::KC_RIGHT, OIS::KC_LEFT,   OIS::KC_F,
    OIS::KC_T,           OIS::KC_SYSRQ,  OIS::KC_R,     OIS::KC_ESCAPE, OIS::KC_Q};

int firstFormatKeyBit(OIS::KeyCode key)
{
    for (int i = 0; i < kFirstFormatKeyCount; ++i)
        if (kFirstFormatKeys[i] == key)
            return i;
    return -1;
}

// The actions those keys asked for under the keys the game always had.
std::uint32_t actionsOfFirstFormatKeys(std::uint32_t keys)
{
    return actionsHeld(defaultBindings(),
                       [keys](OIS::KeyCode key)
                       {
                           const int bit = firstFormatKeyBit(key);
                           return bit >= 0 && (keys >> bit & 1u) != 0;
                       });
}

// Keys that ask for exactly these actions: the first key of each. A bit no action has is
// kept beyond the keys, where the reader refuses it.
std::uint32_t firstFormatKeysOfActions(std::uint32_t actions)
{
    std::uint32_t keys = actions >> kActionCount == 0 ? 0 : 1u << 31;
    for (int action = 0; action < kActionCount; ++action)
    {
        if ((actions >> action & 1u) == 0)
            continue;
        for (const KeyBinding& binding : defaultBindings().keys)
            if (int(binding.action) == action)
            {
                keys |= 1u << firstFormatKeyBit(binding.key);
                break;
            }
    }
    return keys;
}

int padBits(const PadInput& pad)
{
    return int(pad.up) | int(pad.down) << 1 | int(pad.left) << 2 | int(pad.right) << 3 |
           int(pad.south) << 4 | int(pad.start) << 5 | int(pad.back) << 6 |
           int(pad.padRemoved) << 7;
}

bool samePad(const PadInput& a, const PadInput& b)
{
    return padBits(a) == padBits(b) && a.connected == b.connected && a.stickX == b.stickX &&
           a.stickY == b.stickY;
}

// Reads what the writer put, failing with a reason at the first thing out of place.
class Unpacker
{
public:
    explicit Unpacker(const std::string& bytes_) : bytes(bytes_) {}
    bool done() const { return at >= bytes.size(); }
    std::size_t offset() const { return at; }

    std::uint8_t byte()
    {
        if (at >= bytes.size())
            throw std::runtime_error("it ends inside a record");
        return std::uint8_t(bytes[at++]);
    }
    std::uint64_t varint()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7)
        {
            const std::uint8_t b = byte();
            value |= std::uint64_t(b & 0x7F) << shift;
            if ((b & 0x80) == 0)
                return value;
        }
        throw std::runtime_error("a number is too long");
    }
    std::int64_t signedVarint()
    {
        const std::uint64_t v = varint();
        return std::int64_t(v >> 1) ^ -std::int64_t(v & 1);
    }
    // A count or size that must lie in [low, high].
    int number(std::int64_t low, std::int64_t high, const char* what)
    {
        const std::int64_t v = signedVarint();
        if (v < low || v > high)
            throw std::runtime_error(std::string(what) + " is " + std::to_string(v) +
                                     ", out of range");
        return int(v);
    }
    std::uint32_t word()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= std::uint32_t(byte()) << (8 * i);
        return value;
    }
    float finite(float low, float high, const char* what)
    {
        const std::uint32_t bits = word();
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value < low || value > high)
            throw std::runtime_error(std::string(what) + " is " + std::to_string(value) +
                                     ", out of range");
        return value;
    }

private:
    const std::string& bytes;
    std::size_t at = 0;
};

void putHeader(std::string& out, const ReplayHeader& h)
{
    out += 'H';
    putSigned(out, std::int64_t(h.gameVersion.size()));
    out += h.gameVersion;
    putSigned(out, h.width);
    putSigned(out, h.height);
    putSigned(out, h.date);
    out += char(int(h.settings.soundOn) | int(h.settings.cuesShown) << 1 |
                int(h.settings.fullScreen) << 2 | int(h.settings.rumble) << 3 |
                int(h.statsOn) << 4 | int(h.controlsShown) << 5 | int(h.pausedForControls) << 6);
    putSigned(out, h.bestScore);
    putSigned(out, h.filtering);
    putSigned(out, h.anisotropy);
    putSigned(out, h.sceneDetail);
    putFloat(out, h.toggleDelay);
    putSigned(out, h.heldKeys);
}

ReplayHeader takeHeader(Unpacker& in)
{
    if (in.byte() != 'H')
        throw std::runtime_error("it does not begin with the game's description");
    ReplayHeader h;
    const int length = in.number(0, 64, "the version's length");
    for (int i = 0; i < length; ++i)
        h.gameVersion += char(in.byte());
    h.width = in.number(1, kMaxWindowSide, "the window's width");
    h.height = in.number(1, kMaxWindowSide, "the window's height");
    h.date = in.signedVarint();
    const int flags = in.byte();
    h.settings.soundOn = flags & 1;
    h.settings.cuesShown = flags & 2;
    h.settings.fullScreen = flags & 4;
    h.settings.rumble = flags & 8;
    h.statsOn = flags & 16;
    h.controlsShown = flags & 32;
    h.pausedForControls = flags & 64;
    h.bestScore = in.number(0, 1 << 30, "the best score");
    h.filtering = in.number(0, 3, "the filtering");
    h.anisotropy = unsigned(in.number(1, 16, "the anisotropy"));
    h.sceneDetail = in.number(0, 2, "the polygon mode");
    h.toggleDelay = in.finite(-kMaxFrameSeconds, kMaxFrameSeconds, "the toggle delay");
    h.heldKeys = in.number(0, 511, "the held keys");
    return h;
}

void putPad(std::string& out, const PadInput& pad)
{
    out += char(padBits(pad));
    putSigned(out, pad.connected);
    putFloat(out, pad.stickX);
    putFloat(out, pad.stickY);
}

PadInput takePad(Unpacker& in)
{
    PadInput pad;
    const int bits = in.byte();
    pad.up = bits & 1;
    pad.down = bits & 2;
    pad.left = bits & 4;
    pad.right = bits & 8;
    pad.south = bits & 16;
    pad.start = bits & 32;
    pad.back = bits & 64;
    pad.padRemoved = bits & 128;
    pad.connected = in.number(0, 16, "the pads connected");
    pad.stickX = in.finite(-1, 1, "the stick's x");
    pad.stickY = in.finite(-1, 1, "the stick's y");
    return pad;
}

void takeFrame(Unpacker& in, ReplayFrame& frame)
{
    const int parts = in.byte();
    if (parts >= 128)
        throw std::runtime_error("a frame has parts this game does not know");
    if (parts & kKeys)
    {
        const std::uint32_t keys = in.word();
        if (keys >> kFirstFormatKeyCount != 0)
            throw std::runtime_error("a key is out of range");
        frame.input.actions = actionsOfFirstFormatKeys(keys);
    }
    if (parts & kMouse)
    {
        frame.input.mouseButtons = in.number(0, 255, "the mouse buttons");
        frame.input.mouseX = in.number(-100000, 100000, "the mouse's motion");
        frame.input.mouseY = in.number(-100000, 100000, "the mouse's motion");
    }
    else
    {
        frame.input.mouseButtons = frame.input.mouseX = frame.input.mouseY = 0;
    }
    if (parts & kPad)
        frame.input.pad = takePad(in);
    frame.focusPaused = (parts & kFocus) != 0;
    if (parts & kResize)
    {
        frame.width = in.number(1, kMaxWindowSide, "the window's width");
        frame.height = in.number(1, kMaxWindowSide, "the window's height");
    }
    if (parts & kSeeds)
    {
        const int count = in.number(1, kMaxPerFrame, "the reseeds in a frame");
        for (int i = 0; i < count; ++i)
            frame.dice.seeds.push_back(in.signedVarint());
    }
    if (parts & kEarlyDraws)
    {
        const int count = in.number(1, kMaxPerFrame, "the early draws in a frame");
        for (int i = 0; i < count; ++i)
            frame.dice.earlyDraws.push_back(in.number(0, 0x7FFFFFFF, "a draw"));
    }
    frame.dt = in.finite(0, kMaxFrameSeconds, "a frame's time");
    frame.dice.draws = in.number(0, 1 << 20, "the draws in a frame");
}

ReplayCheck takeCheck(Unpacker& in)
{
    ReplayCheck check;
    check.hash = in.varint();
    check.score = in.number(0, 1 << 30, "the score");
    check.meals = in.number(0, 1 << 30, "the meals");
    check.fishCount = in.number(0, 1 << 20, "the fish");
    return check;
}

// Takes the records of a file piece by piece; a piece that cannot be read leaves the tape
// as it was after the piece before.
class TapeReader
{
public:
    explicit TapeReader(ReplayTape& tape_) : tape(tape_) {}

    void take(const std::string& records)
    {
        const std::size_t frames = tape.frames.size(), checks = tape.checks.size();
        const ReplayFrame before = last;
        const std::size_t notesBefore = diceNotes;
        try
        {
            takeAll(records);
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
    bool headerRead = false;

private:
    void takeAll(const std::string& records)
    {
        Unpacker in(records);
        if (!headerRead)
        {
            tape.header = takeHeader(in);
            headerRead = true;
        }
        while (!in.done())
        {
            if (tape.ended)
                throw std::runtime_error("there is more after the end of the game");
            const std::uint8_t kind = in.byte();
            if (kind == 'F')
            {
                if (tape.frames.size() >= kMaxReplayFrames)
                    throw std::runtime_error("it holds more than " +
                                             std::to_string(kMaxReplayFrames) + " frames");
                last.dice = FrameDraws{};
                last.width = last.height = 0;
                takeFrame(in, last); // each frame starts from the input of the frame before
                diceNotes += last.dice.seeds.size() + last.dice.earlyDraws.size();
                if (diceNotes > kMaxDiceNotes)
                    throw std::runtime_error("it reseeds the dice more often than a game can");
                tape.frames.push_back(last);
            }
            else if (kind == 'C')
            {
                // The game checks after a frame, never twice after one.
                if (!tape.checks.empty() && tape.checks.back().first == tape.frames.size())
                    throw std::runtime_error("two checks follow one frame");
                tape.checks.emplace_back(tape.frames.size(), takeCheck(in));
            }
            else if (kind == 'E')
            {
                tape.end.score = in.number(0, 1 << 30, "the final score");
                tape.end.cause = GameEnd(in.number(1, 4, "the cause of the end"));
                tape.end.frames = in.number(0, kMaxReplayFrames, "the frame count");
                if (std::size_t(tape.end.frames) != tape.frames.size())
                    throw std::runtime_error("it says " + std::to_string(tape.end.frames) +
                                             " frames but holds " +
                                             std::to_string(tape.frames.size()));
                tape.ended = true;
            }
            else
                throw std::runtime_error("a record of unknown kind " + std::to_string(kind));
        }
    }

    ReplayTape& tape;
    ReplayFrame last;
    std::size_t diceNotes = 0;
};
} // namespace

bool keepableFrameTime(float dt)
{
    return std::isfinite(dt) && dt >= 0 && dt <= kMaxFrameSeconds;
}

const char* gameEndText(GameEnd end)
{
    switch (end)
    {
    case GameEnd::BiggerFish:
        return "bigger fish";
    case GameEnd::Shark:
        return "shark";
    case GameEnd::Hook:
        return "hook";
    case GameEnd::Quit:
        break;
    }
    return "quit";
}

std::string checkText(const ReplayCheck& check)
{
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(check.hash));
    return "score " + std::to_string(check.score) + ", " + std::to_string(check.meals) +
           " meals, " + std::to_string(check.fishCount) + " fish (check " + hash + ")";
}

ReplayWriter::ReplayWriter(const ReplayHeader& header)
{
    if (deflateInit(&zip, Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not start");
    start.assign(kMagic, sizeof kMagic);
    start += char(kReplayFormat & 0xFF);
    start += char(kReplayFormat >> 8);
    putHeader(records, header);
}

ReplayWriter::~ReplayWriter()
{
    deflateEnd(&zip);
}

void ReplayWriter::frame(const ReplayFrame& f)
{
    unsigned parts = 0;
    if (f.input.actions != last.actions)
        parts |= kKeys;
    if (f.input.mouseButtons != 0 || f.input.mouseX != 0 || f.input.mouseY != 0)
        parts |= kMouse;
    if (!samePad(f.input.pad, last.pad))
        parts |= kPad;
    if (f.focusPaused)
        parts |= kFocus;
    if (f.width != 0)
        parts |= kResize;
    if (!f.dice.seeds.empty())
        parts |= kSeeds;
    if (!f.dice.earlyDraws.empty())
        parts |= kEarlyDraws;
    records += 'F';
    records += char(parts);
    if (parts & kKeys)
        putWord(records, firstFormatKeysOfActions(f.input.actions));
    if (parts & kMouse)
    {
        putSigned(records, f.input.mouseButtons);
        putSigned(records, f.input.mouseX);
        putSigned(records, f.input.mouseY);
    }
    if (parts & kPad)
        putPad(records, f.input.pad);
    if (parts & kResize)
    {
        putSigned(records, f.width);
        putSigned(records, f.height);
    }
    if (parts & kSeeds)
    {
        putSigned(records, std::int64_t(f.dice.seeds.size()));
        for (std::int64_t seed : f.dice.seeds)
            putSigned(records, seed);
    }
    if (parts & kEarlyDraws)
    {
        putSigned(records, std::int64_t(f.dice.earlyDraws.size()));
        for (int draw : f.dice.earlyDraws)
            putSigned(records, draw);
    }
    putFloat(records, f.dt);
    putSigned(records, f.dice.draws);
    last = f.input;
    ++frames;
}

void ReplayWriter::check(const ReplayCheck& c)
{
    records += 'C';
    putVarint(records, c.hash);
    putSigned(records, c.score);
    putSigned(records, c.meals);
    putSigned(records, c.fishCount);
}

std::string ReplayWriter::pack(int mode)
{
    std::string packed;
    zip.next_in = reinterpret_cast<Bytef*>(records.data());
    zip.avail_in = uInt(records.size());
    unsigned char buffer[16384];
    do
    {
        zip.next_out = buffer;
        zip.avail_out = sizeof buffer;
        deflate(&zip, mode);
        packed.append(reinterpret_cast<const char*>(buffer), sizeof buffer - zip.avail_out);
    } while (zip.avail_out == 0);
    records.clear();
    // Each piece carries its length and checksum: a damaged byte is found, and a file cut
    // short is read up to its last whole piece.
    std::string out = std::move(start);
    start.clear();
    putWord(out, std::uint32_t(packed.size()));
    putWord(out, std::uint32_t(
                     crc32(0, reinterpret_cast<const Bytef*>(packed.data()), uInt(packed.size()))));
    return out + packed;
}

std::string ReplayWriter::flush()
{
    if (records.empty() && start.empty())
        return ""; // an empty piece would only lengthen the file
    return pack(Z_SYNC_FLUSH);
}

std::string ReplayWriter::finish(const ReplayEnd& end)
{
    records += 'E';
    putSigned(records, end.score);
    putSigned(records, int(end.cause));
    putSigned(records, frames);
    return pack(Z_FINISH);
}

namespace
{
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
        if (records.size() > kMaxPieceBytes)
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

bool readReplay(const std::string& bytes, ReplayTape& tape, std::string& why)
{
    tape = ReplayTape{};
    why.clear();
    if (bytes.size() < sizeof kMagic + 2 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    {
        why = "it is not a fishtank replay";
        return false;
    }
    const int format = std::uint8_t(bytes[8]) | std::uint8_t(bytes[9]) << 8;
    if (format > kReplayFormat)
    {
        why = "it was recorded by a newer version of the game (replay format " +
              std::to_string(format) + "; this game reads " + std::to_string(kReplayFormat) + ")";
        return false;
    }
    if (format < 1 || bytes.size() > kMaxFileBytes)
    {
        why = format < 1 ? "its replay format (0) is unknown" : "it is too large to be a replay";
        return false;
    }
    z_stream unzip{};
    if (inflateInit(&unzip) != Z_OK)
    {
        why = "zlib could not start";
        return false;
    }
    TapeReader reader(tape);
    std::string records, problem;
    std::size_t at = sizeof kMagic + 2, unpacked = 0;
    bool streamEnded = false;
    while (at < bytes.size() && problem.empty())
    {
        std::uint32_t length = 0, sum = 0;
        if (bytes.size() - at >= 8)
        {
            for (int i = 0; i < 4; ++i) // little-endian on every machine
            {
                length |= std::uint32_t(std::uint8_t(bytes[at + i])) << (8 * i);
                sum |= std::uint32_t(std::uint8_t(bytes[at + 4 + i])) << (8 * i);
            }
        }
        const auto* packed =
            reinterpret_cast<const Bytef*>(bytes.data()) + std::min(bytes.size(), at + 8);
        if (bytes.size() - at < 8 || length > bytes.size() - at - 8)
            problem = "it is cut short at byte " + std::to_string(bytes.size());
        else if (streamEnded)
            problem = "there is more after the end of the game";
        else if (crc32(0, packed, length) != sum)
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
                reader.take(records);
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
    if (!reader.headerRead)
    {
        why = problem.empty() ? "it holds no recorded game" : problem;
        tape = ReplayTape{};
        return false;
    }
    tape.unreadable = problem;
    return true;
}
