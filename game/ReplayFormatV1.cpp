#include "game/ReplayFormatV1.h"

#include "input/Bindings.h"

#include <OISKeyboard.h>

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace
{
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

// The first format kept a frame's keys as one bit each, in this order.
constexpr int kFirstFormatKeyCount = 25;
const OIS::KeyCode kFirstFormatKeys[kFirstFormatKeyCount] = {
    OIS::KC_P,           OIS::KC_F1,     OIS::KC_M,     OIS::KC_H,      OIS::KC_RETURN,
    OIS::KC_NUMPADENTER, OIS::KC_LMENU,  OIS::KC_RMENU, OIS::KC_F11,    OIS::KC_A,
    OIS::KC_D,           OIS::KC_UP,     OIS::KC_W,     OIS::KC_DOWN,   OIS::KC_S,
    OIS::KC_PGUP,        OIS::KC_PGDOWN, OIS::KC_RIGHT, OIS::KC_LEFT,   OIS::KC_F,
    OIS::KC_T,           OIS::KC_SYSRQ,  OIS::KC_R,     OIS::KC_ESCAPE, OIS::KC_Q};

// The actions those keys asked for under the keys the game always had.
std::uint32_t actionsOfFirstFormatKeys(std::uint32_t keys)
{
    return actionsHeld(defaultBindings(),
                       [keys](OIS::KeyCode key)
                       {
                           for (int bit = 0; bit < kFirstFormatKeyCount; ++bit)
                               if (kFirstFormatKeys[bit] == key)
                                   return (keys >> bit & 1u) != 0;
                           return false;
                       });
}

// Reads what the writer put, failing with a reason at the first thing out of place.
class Unpacker
{
public:
    explicit Unpacker(const std::string& bytes_) : bytes(bytes_) {}
    bool done() const { return at >= bytes.size(); }

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
        return inRange(signedVarint(), low, high, what);
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
        return finiteInRange(value, low, high, what);
    }

private:
    const std::string& bytes;
    std::size_t at = 0;
};

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
    h.heldKeys = in.number(0, 255, "the held keys");
    return h;
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

} // namespace

void ReplayFormatV1::takeRecords(const std::string& records)
{
    Unpacker in(records);
    if (!headerTaken)
        takeHeader(::takeHeader(in));
    while (!in.done())
    {
        refuseAfterEnd();
        const std::uint8_t kind = in.byte();
        if (kind == 'F')
        {
            takeFrame(in, nextFrame()); // each frame starts from the input of the frame before
            keepFrame();
        }
        else if (kind == 'C')
            addCheck(takeCheck(in));
        else if (kind == 'E')
        {
            ReplayEnd end;
            end.score = in.number(0, 1 << 30, "the final score");
            end.cause = GameEnd(in.number(1, 4, "the cause of the end"));
            end.frames = in.number(0, kMaxReplayFrames, "the frame count");
            addEnd(end);
        }
        else
            throw std::runtime_error("a record of unknown kind " + std::to_string(kind));
    }
}
