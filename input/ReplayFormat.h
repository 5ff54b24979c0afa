#pragma once

#include "input/FrameInput.h"
#include "platform/Dice.h"
#include "rules/Settings.h"

#include <cstdint>
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
    std::vector<ReplayFrame> frames;
    // Each check with the number of frames played before it was taken.
    std::vector<std::pair<std::size_t, ReplayCheck>> checks;
    bool ended = false; // a game that stopped on an error or a signal has no end record
    ReplayEnd end;
};

// "score 12, 3 meals, 4 fish (check 0123456789abcdef)".
std::string checkText(const ReplayCheck& check);

constexpr int kReplayFormat = 1;
constexpr std::size_t kMaxReplayFrames = 1000000; // over four hours at 60 frames a second

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
    // The bytes made since the last flush (the file's beginning, the first time).
    std::string flush();
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

// Reads a whole .replay file. False, with the reason in `why`, for a file that is not a
// recorded game, is damaged or cut short, or comes from a newer version of the game; a
// file without an end record (a game stopped by an error) is read up to its last whole
// second.
bool readReplay(const std::string& bytes, ReplayTape& tape, std::string& why);
