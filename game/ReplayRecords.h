#pragma once

#include "input/FrameInput.h"
#include "input/ListenerState.h"
#include "platform/Dice.h"
#include "rules/Settings.h"

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

// A recorded game, as kept in a .replay file (game/ReplayFormat.h reads and writes it): what the
// game was and showed when it began, then every frame's time and input, a check every second of
// game time, and how it ended.

// What the game was and showed when the recording began: the key commands' state (score
// line, filtering, drawing mode, key timer, the once-a-press keys held) and the rest.
struct ReplayHeader : ListenerState
{
    std::string gameVersion;
    int width = 0, height = 0; // the window's size
    std::int64_t date = 0;     // calendar seconds
    GameSettings settings;
    int bestScore = 0;
    bool controlsShown = false;
    // The panel paused the game when it opened: closing it goes on (a game after Return may
    // begin with the panel open from the game before).
    bool pausedForControls = false;
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

constexpr std::size_t kMaxReplayFrames = 1000000; // over four hours at 60 frames a second
// The longest frame a recording keeps (about eleven days): a game stopped and woken again
// takes the whole stop as one frame.
constexpr float kMaxFrameSeconds = 1.0e6f;

// True when a frame of that time can be written and read back.
bool keepableFrameTime(float dt);
