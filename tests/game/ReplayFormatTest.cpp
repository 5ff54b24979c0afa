#include "game/ReplayFormat.h"
#include "game/replay.pb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <random>
#include <tuple>

namespace
{
ReplayFrame frameOf(float dt)
{
    ReplayFrame frame;
    frame.dt = dt;
    frame.dice.draws = 2;
    return frame;
}

// A short game: keys, a mouse drag, a pad, a loss of focus, a resize, seeds and early draws.
// Every header field away from its default.
ReplayHeader unusualHeader()
{
    ReplayHeader header;
    header.gameVersion = "9.9.9";
    header.width = 800;
    header.height = 600;
    header.date = 1796000123;
    header.settings = GameSettings{false, false, true, false, 75, {}, ""};
    header.bestScore = 77;
    header.statsOn = false;
    header.filtering = 3;
    header.anisotropy = 8;
    header.sceneDetail = 2;
    header.controlsShown = true;
    header.pausedForControls = true;
    header.toggleDelay = 0.125f;
    header.heldKeys = 0xA5;
    return header;
}

std::string recordedGame(float oddFrameTime = 0.02f, std::uint32_t oddActions = 0, bool end = true)
{
    ReplayWriter writer(unusualHeader());
    ReplayFrame first = frameOf(0.016f);
    holdAction(first.input, Action::SwimLeft);
    first.input.mouseButtons = 2 | 1 << 7;
    first.input.mouseX = -5;
    first.input.pad.stickX = 0.5f;
    first.input.pad.start = true;
    first.dice.earlyDraws = {1804289383};
    first.dice.seeds = {1796000003};
    first.focusPaused = true;
    first.width = 640;
    first.height = 480;
    writer.frame(first);
    ReplayFrame odd = frameOf(oddFrameTime);
    odd.input.actions = oddActions;
    writer.frame(odd);
    writer.check(ReplayCheck{0xfeedbeefcafe, 28, 1, 3});
    std::string bytes = writer.flush();
    writer.frame(frameOf(0.017f));
    return bytes + (end ? writer.finish(ReplayEnd{28, GameEnd::Shark, 3}) : writer.flush());
}

// Why the file, or the rest of it after its whole pieces, cannot be read.
std::string why(const std::string& bytes, std::size_t* framesKept)
{
    ReplayTape tape;
    std::string reason;
    const bool read = readReplay(bytes, tape, reason);
    if (framesKept != nullptr)
        *framesKept = tape.frames.size();
    return read ? tape.unreadable : reason;
}

std::string why(const std::string& bytes)
{
    return why(bytes, nullptr);
}

std::string storedGame(const std::string& name)
{
    std::ifstream file(std::string(FISHTANK_SOURCE_DIR) + "/tests/replays/" + name + ".replay",
                       std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), {});
}

// The file's records, unpacked and joined: one Tape message of format 2.
std::string records(const std::string& file)
{
    std::string joined;
    int format = 0;
    std::string reason;
    EXPECT_TRUE(openReplay(file, kReplayFormat, format, reason)) << reason;
    EXPECT_EQ(readReplayPieces(file, [&](const std::string& piece) { joined += piece; }), "");
    return joined;
}
} // namespace

TEST(ReplayFormat, AGameReadsBackAsItWasWrittenAndACutOneUpToItsLastSecond)
{
    ReplayTape tape;
    std::string reason;
    const std::string game = recordedGame();
    ASSERT_TRUE(readReplay(game, tape, reason)) << reason;
    EXPECT_EQ(game[8], kReplayFormat);
    const ReplayHeader &h = tape.header, wrote = unusualHeader();
    EXPECT_EQ(h.gameVersion, wrote.gameVersion);
    EXPECT_EQ(std::tie(h.width, h.height, h.date, h.bestScore, h.filtering, h.anisotropy,
                       h.sceneDetail, h.toggleDelay, h.heldKeys, h.settings.pacePercent),
              std::tie(wrote.width, wrote.height, wrote.date, wrote.bestScore, wrote.filtering,
                       wrote.anisotropy, wrote.sceneDetail, wrote.toggleDelay, wrote.heldKeys,
                       wrote.settings.pacePercent));
    EXPECT_EQ(std::tie(h.settings.soundOn, h.settings.cuesShown, h.settings.fullScreen,
                       h.settings.rumble, h.statsOn, h.controlsShown, h.pausedForControls),
              std::tie(wrote.settings.soundOn, wrote.settings.cuesShown, wrote.settings.fullScreen,
                       wrote.settings.rumble, wrote.statsOn, wrote.controlsShown,
                       wrote.pausedForControls));
    ASSERT_EQ(tape.frames.size(), 3u);
    const ReplayFrame& first = tape.frames[0];
    EXPECT_TRUE(actionHeld(first.input, Action::SwimLeft));
    EXPECT_FALSE(actionHeld(first.input, Action::SwimRight));
    EXPECT_EQ(first.input.mouseX, -5);
    EXPECT_EQ(first.input.mouseButtons, 2 | 1 << 7);
    EXPECT_EQ(first.input.pad.stickX, 0.5f);
    EXPECT_TRUE(first.input.pad.start);
    EXPECT_EQ(first.dice.earlyDraws, std::vector<int>{1804289383});
    EXPECT_EQ(first.dice.seeds, std::vector<std::int64_t>{1796000003});
    EXPECT_TRUE(first.focusPaused);
    EXPECT_EQ(first.width, 640);
    // Keys and pads are kept as changes: a frame without changes holds none.
    EXPECT_EQ(tape.frames[1].input.actions, 0u);
    EXPECT_EQ(tape.frames[1].input.mouseButtons, 0);
    EXPECT_FALSE(tape.frames[1].focusPaused);
    EXPECT_EQ(tape.frames[2].input.pad.stickX, 0.0f);
    ASSERT_EQ(tape.checks.size(), 1u);
    EXPECT_EQ(tape.checks[0].first, 2u);
    EXPECT_EQ(tape.checks[0].second.hash, 0xfeedbeefcafeu);
    ASSERT_TRUE(tape.ended);
    EXPECT_EQ(tape.end.cause, GameEnd::Shark);

    ASSERT_TRUE(readReplay(recordedGame(0.02f, 0, false), tape, reason)) << reason;
    EXPECT_FALSE(tape.ended);
    EXPECT_EQ(tape.frames.size(), 3u);
    EXPECT_EQ(tape.unreadable, "");
    // A game stopped for a minute, or a day, takes it as one frame.
    for (float stop : {65.005f, 86400.0f})
    {
        ASSERT_TRUE(readReplay(recordedGame(stop), tape, reason)) << reason;
        EXPECT_EQ(tape.frames[1].dt, stop);
        EXPECT_EQ(tape.unreadable, "");
        EXPECT_TRUE(keepableFrameTime(stop));
    }
}

// Players keep games of format 1 (their keys read as the actions they asked for); format 2
// keeps a frame's actions by their stable numbers, and passes over fields a later game may
// add, at any depth.
TEST(ReplayFormat, OldGamesStillReadKeysAreStableIdsAndNewFieldsArePassedOver)
{
    ReplayTape tape;
    std::string reason;
    const std::string old = storedGame("grown");
    ASSERT_EQ(old[8], 1);
    ASSERT_TRUE(readReplay(old, tape, reason)) << reason;
    EXPECT_EQ(tape.header.gameVersion, "1.1.0");
    EXPECT_EQ(tape.header.settings.pacePercent, 100);
    EXPECT_TRUE(tape.ended);
    EXPECT_EQ(tape.end.frames, int(tape.frames.size()));
    EXPECT_TRUE(std::any_of(tape.frames.begin(), tape.frames.end(),
                            [](const ReplayFrame& f)
                            { return actionHeld(f.input, Action::SwimLeft); }));

    fishtank::replay::Tape written;
    ASSERT_TRUE(written.ParseFromString(records(recordedGame())));
    ASSERT_EQ(written.frame_size(), 3);
    const auto ids = [](const auto& field)
    { return std::vector<std::uint32_t>(field.begin(), field.end()); };
    EXPECT_EQ(ids(written.frame(0).pressed()), std::vector<std::uint32_t>{7}); // SwimLeft
    EXPECT_EQ(ids(written.frame(1).released()), std::vector<std::uint32_t>{7});
    EXPECT_EQ(ids(written.frame(0).buttons_pressed()), (std::vector<std::uint32_t>{1, 7}));
    EXPECT_EQ(written.header().held().pad_back(), true);

    fishtank::replay::Frame later;
    later.set_dt(0.5f);
    const std::string frame = later.SerializeAsString() + "\xf8\x01\x2a"; // field 31: 42
    // Field 15 of the tape, then the frame as field 2.
    std::string extended = records(recordedGame(0.02f, 0, false)) + "\x78\x01\x12";
    extended += char(frame.size()) + frame;
    ASSERT_TRUE(readReplay(ReplayCodec(kReplayFormat).piece(extended, true), tape, reason))
        << reason;
    EXPECT_EQ(tape.unreadable, "");
    ASSERT_EQ(tape.frames.size(), 4u);
    EXPECT_EQ(tape.frames[3].dt, 0.5f);
}

TEST(ReplayFormat, EveryBadFileIsRefusedWithItsReason)
{
    const std::string good = recordedGame();
    std::string newer = good, flipped = good;
    newer[8] = kReplayFormat + 1;
    flipped[good.size() - 5] ^= 0x10;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // A piece that unpacks past the bound (the game's recorder flushes long before): refused
    // there, without unpacking the rest.
    ReplayHeader small;
    small.width = small.height = 64;
    ReplayWriter flood(small);
    std::string bomb = flood.flush();
    for (int i = 0; i < 200000; ++i)
        flood.frame(frameOf(0.01f));
    bomb += flood.flush();
    // Each case: the reason, and the frames of the whole pieces before the bad one (-1: the
    // file is refused whole).
    const struct
    {
        std::string bytes;
        const char* reason;
        int framesKept;
    } cases[] = {
        {"", "not a fishtank replay", -1},
        {"PNG\r\n\x1a\nsomething else", "not a fishtank replay", -1},
        {std::string(good.size(), '\0'), "not a fishtank replay", -1},
        {newer, "newer version of the game (replay format 3; this game reads 2)", -1},
        {ReplayWriter(ReplayHeader{}).flush(), "the window's width is 0, out of range", -1},
        {good.substr(0, 10), "holds no recorded game", -1},
        {good.substr(0, 14), "cut short at byte 14", -1},
        {good.substr(0, good.size() - 3), "cut short", 2},
        {flipped, "damaged", 2},
        {good + good.substr(10), "more after the end", 3},
        {recordedGame(nan), "a frame's time is nan", 0},
        {recordedGame(inf), "a frame's time is inf", 0},
        {recordedGame(-0.5f), "a frame's time is -0.5", 0},
        {recordedGame(2.0e6f), "a frame's time is 2000000", 0},
        {bomb, "more than a replay's piece can hold", 0},
    };
    for (const auto& c : cases)
    {
        std::size_t kept = 0;
        const std::string reason = why(c.bytes, &kept);
        EXPECT_NE(reason.find(c.reason), std::string::npos)
            << "expected \"" << c.reason << "\", got \"" << reason << "\"";
        EXPECT_EQ(int(kept), std::max(c.framesKept, 0)) << c.reason;
        ReplayTape tape;
        std::string refused;
        EXPECT_EQ(readReplay(c.bytes, tape, refused), c.framesKept >= 0) << c.reason;
    }
    EXPECT_FALSE(keepableFrameTime(2.0e6f));
}

// Random damage to the stored games, under the sanitizers in the test command: the reader
// refuses or reads every file, and never crashes, overruns or hangs.
TEST(ReplayFormat, SeededMutationsOfTheStoredGamesNeverBreakTheReader)
{
    std::mt19937 random(20261208);
    int refused = 0;
    for (const char* name : {"lost", "grown", "paused", "version-2"})
    {
        const std::string game = storedGame(name);
        ASSERT_GT(game.size(), 20u) << name;
        for (int round = 0; round < 3000; ++round)
        {
            std::string bytes = game;
            const std::size_t at = random() % bytes.size();
            switch (round % 4)
            {
            case 0:
                bytes[at] = char(bytes[at] ^ (1 << random() % 8));
                break;
            case 1:
                bytes.resize(at);
                break;
            case 2:
                bytes.insert(at, std::string(random() % 64, char(random())));
                break;
            default:
                std::fill(bytes.begin() + long(at),
                          bytes.begin() + long(std::min(bytes.size(), at + random() % 32)), '\0');
            }
            if (!why(bytes).empty())
                ++refused;
        }
    }
    EXPECT_GT(refused, 6000) << "the checksums let damaged files through";
}
