#pragma once

#include "input/FrameInput.h"
#include "platform/Dice.h"
#include "rules/Settings.h"

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include <zlib.h>

// A recorded game, as kept in a .replay file: what the game was and showed when it began,
// then every frame's time and input, a check every second of game time, and how it ended.

// What the game was and showed when the recording began.
struct ReplayHeader
{
    std::string gameVersion;
    int width = 0, height = 0; // the window's size
    std::int64_t date = 0;     // calendar seconds
    GameSettings settings;
    int bestScore = 0;
    bool statsOn = true;
    int filtering = 1;
    unsigned anisotropy = 1;
    int sceneDetail = 0;
    bool controlsShown = false;
    // The panel paused the game when it opened: closing it goes on (a game after Return may
    // begin with the panel open from the game before).
    bool pausedForControls = false;
    float toggleDelay = 0;
    int heldKeys = 0; // the once-a-press keys and buttons held in the frame before
};

struct ReplayFrame
{
    float dt = 0; // the frame event's time since the last frame
    FrameInput input;
    bool focusPaused = false;  // the window lost the focus just before, pausing the game
    int width = 0, height = 0; // the window was resized just before (0: it was not)
    FrameDraws dice;
};

// The state of the tank after a frame: the rules' results, to compare on playback.
struct ReplayCheck
{
    std::uint64_t hash = 0; // the player's rectangle and every fish's kind and rectangle
    int score = 0;
    int meals = 0;
    int fishCount = 0;
};

enum class GameEnd : std::uint8_t
{
    BiggerFish = 1,
    Shark,
    Hook,
    Quit
};
// "bigger fish", "shark", "hook", "quit".
const char* gameEndText(GameEnd end);

struct ReplayEnd
{
    int score = 0;
    GameEnd cause = GameEnd::Quit;
    int frames = 0;
};

struct ReplayTape
{
    ReplayHeader header;
    std::deque<ReplayFrame> frames; // a deque: a long game never needs twice its size to grow
    // Each check with the number of frames played before it was taken.
    std::vector<std::pair<std::size_t, ReplayCheck>> checks;
    bool ended = false; // a game that stopped on an error or a signal has no end record
    ReplayEnd end;
    // Why the file's rest, after its last whole piece, cannot be read; empty when all of it
    // was read.
    std::string unreadable;
};

// "score 12, 3 meals, 4 fish (check 0123456789abcdef)".
std::string checkText(const ReplayCheck& check);

constexpr int kReplayFormat = 1;
constexpr std::size_t kMaxReplayFrames = 1000000; // over four hours at 60 frames a second
// The longest frame a recording keeps (about eleven days): a game stopped and woken again
// takes the whole stop as one frame.
constexpr float kMaxFrameSeconds = 1.0e6f;
// Records waiting beyond this are packed as a piece of their own, so no piece unpacks past
// what the reader takes.
constexpr std::size_t kPieceRecordBytes = 256u << 10;

// True when a frame of that time can be written and read back.
bool keepableFrameTime(float dt);

// Writes a recorded game as it goes: records are packed at once, and each flush hands over
// the bytes to append to the file, whole and readable up to that point.
class ReplayWriter
{
public:
    explicit ReplayWriter(const ReplayHeader& header);
    ~ReplayWriter();
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;

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
    std::string pack(int mode);

    z_stream zip{};
    std::string records; // not packed yet
    std::string start;   // the file's beginning, until the first flush takes it
    FrameInput last;     // frames keep what changed since the frame before
    int frames = 0;
};

// Reads a .replay file piece by piece. False, with the reason in `why`, for a file that is
// not a recorded game, comes from a newer version of the game or whose first piece is
// damaged. A file damaged or cut short later is read up to its last whole piece, with the
// reason in the tape's `unreadable`; a file without an end record (a game stopped by an
// error) is read to its end. No piece is unpacked past a fixed bound.
bool readReplay(const std::string& bytes, ReplayTape& tape, std::string& why);
