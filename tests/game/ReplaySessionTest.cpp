// Whole sessions played by a seeded random player on the game's own listener and recorder:
// games ended by GAME OVER and Return, pauses, the panel, marks, full screen, resizes, lost
// focus, a pad plugged in and out, a minute-long frame, and a quit. Every file a session
// leaves plays again the same, and best.replay is its best game.
#include "game/CameraTrackListener.h"
#include "game/GameRecorder.h"
#include "game/HallOfFameFile.h"
#include "game/ReplayVerify.h"
#include "platform/Dice.h"
#include "platform/Gamepads.h"
#include "platform/SafeFile.h"
#include "support/GameTest.h"
#include "support/VirtualPad.h"

#include <OgreRoot.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <random>

namespace
{
namespace fs = std::filesystem;

double gameSeconds = 0;
std::int64_t gameClock()
{
    return 1796000000 + std::int64_t(gameSeconds);
}

// What a restless player does besides swimming, now and then.
// Plugs the pad in or out `plugs` times at most (SDL grows slower with every virtual pad).
void fidget(PlayableTank& tank, std::mt19937& random, std::unique_ptr<VirtualPad>& pad, int& plugs)
{
    const unsigned roll = random() % 1000;
    if (tank.listener->watchingInside())
    {
        // The replay's own keys now and then, and back to the game (Tab or F1) before long.
        const OIS::KeyCode keys[] = {OIS::KC_TAB, OIS::KC_F1, OIS::KC_P, OIS::KC_1,
                                     OIS::KC_2,   OIS::KC_3,  OIS::KC_4};
        if (roll < 70)
            tank.keyboard.press(keys[roll % 7]);
        return;
    }
    const OIS::KeyCode toggles[] = {OIS::KC_P, OIS::KC_F1, OIS::KC_H, OIS::KC_F11, OIS::KC_F,
                                    OIS::KC_T, OIS::KC_R,  OIS::KC_M, OIS::KC_TAB};
    if (roll < 27)
        tank.keyboard.press(toggles[roll % 9]);
    else if (roll < 29)
    {
        tank.window.resize(640 + random() % 1280, 480 + random() % 600);
        tank.listener->windowResized(&tank.window);
    }
    else if (roll < 35)
    {
        tank.platform.focus = WindowFocus::Here;
        tank.listener->windowFocusChange(&tank.window);
        tank.platform.focus = WindowFocus::Elsewhere;
        tank.listener->windowFocusChange(&tank.window);
    }
    else if (roll < 38 && plugs > 0)
    {
        --plugs;
        pad = pad ? nullptr : std::make_unique<VirtualPad>();
    }
    else if (roll < 45 && tank.listener->heads().controlsShown())
    {
        // Up to the last game's row (from the top, Up goes round to it), then watch it.
        const bool onLastGame =
            tank.engine.caption("ControlsActionsTextArea").find("> The last game") !=
            std::string::npos;
        tank.keyboard.press(onLastGame ? OIS::KC_RETURN : OIS::KC_UP);
    }
    else if (roll < 48 && tank.listener->heads().hallOfFameShown() &&
             !tank.listener->heads().controlsShown())
        tank.keyboard.press(OIS::KC_RETURN); // watch the game chosen in the hall
    else if (roll < 60)
        tank.mouse.move(int(random() % 40) - 20, int(random() % 40) - 20, true);
    if (pad && roll % 7 == 0)
    {
        PadInput lean;
        lean.stickX = float(int(random() % 200) - 100) / 100;
        lean.start = roll % 91 == 0;
        pad->hold(lean);
    }
}

// How the live game stands, and what the player sees of it: a game watched inside it leaves
// both as they were.
std::string liveState(const PlayableTank& tank)
{
    return checkText(tank.listener->tankCheck()) + " paused " +
           std::to_string(tank.listener->paused);
}

std::string liveLook(PlayableTank& tank)
{
    const Hud& hud = tank.listener->heads();
    return "hall " + std::to_string(hud.hallOfFameShown()) + " panel " +
           std::to_string(hud.controlsShown()) + " banner " +
           std::to_string(tank.engine.overlayVisible("GameOverOverlay")) + " | " +
           tank.engine.caption("ScoreTextArea") + " | " + tank.engine.caption("BestTextArea") +
           " | " + tank.engine.caption("GameOverTextArea");
}

// Runs one frame. A game watched inside the live one, begun at the end of a frame, leaves
// the live game as the frame left it, looking as it did before.
bool frameAround(PlayableTank& tank, float dt, std::string& before, int& watches)
{
    const bool wasInside = tank.listener->watchingInside();
    const std::string look = wasInside ? "" : liveLook(tank);
    const bool running = tank.frame(dt);
    if (!wasInside && tank.listener->watchingInside())
    {
        before = liveState(tank) + " " + look;
        EXPECT_TRUE(tank.listener->paused || !tank.world.player.alive) << "watching, it waits";
    }
    if (wasInside && !tank.listener->watchingInside())
    {
        ++watches;
        EXPECT_EQ(liveState(tank) + " " + liveLook(tank), before) << "after watching a game";
    }
    return running;
}

std::string fileBytes(const std::string& path)
{
    std::string bytes, error;
    EXPECT_TRUE(readSmallFile(path, 64u << 20, bytes, error)) << error;
    return bytes;
}
} // namespace

TEST(ReplaySessions, EveryFileASeededPlayerLeavesPlaysTheSameAndTheBestIsKept)
{
    Gamepads pads("gamecontrollerdb.txt");
    int quitsAboveTheBest = 0, gamesChecked = 0, watches = 0, fromTheHall = 0, lastGames = 0;
    std::string before;
    for (unsigned seed = 1; seed <= 250; ++seed)
    {
        std::mt19937 random(seed);
        const std::string folder = "replay-sessions/" + std::to_string(seed);
        fs::remove_all(folder);
        gameSeconds = 0;
        ReplayDice dice;
        dice.clock = gameClock;
        PlayableTank tank(&dice, false, &pads);
        tank.listener->record(std::make_unique<GameRecorder>(folder), dice);
        std::unique_ptr<VirtualPad> pad;
        int plugs = seed % 8 == 0 ? 2 : 0;
        // Each game's file and final score, in order.
        std::vector<std::pair<std::string, int>> games;
        const int sessionGames = 2 + int(seed % 3);
        const int longFrameAt = int(random() % 300);
        bool running = true;
        for (int game = 0; running && game < sessionGames; ++game)
        {
            const std::string path = tank.listener->replayPath();
            ASSERT_FALSE(path.empty());
            const bool last = game + 1 == sessionGames;
            const int quitAt = 300 + int(random() % 1500);
            for (int frame = 0; running && tank.world.player.alive && !(last && frame == quitAt) &&
                                !(last && tank.world.player.score > tank.listener->bestScore());
                 ++frame)
            {
                ASSERT_LT(frame, 20000) << "seed " << seed << ": the player never lost";
                steer(tank, last); // careless games end soon
                fidget(tank, random, pad, plugs);
                const float dt =
                    game == 0 && frame == longFrameAt ? 65.005f : float(10 + random() % 30) / 1000;
                gameSeconds += dt;
                running = frameAround(tank, dt, before, watches);
            }
            games.emplace_back(path, tank.world.player.score);
            if (last)
            {
                quitsAboveTheBest +=
                    tank.world.player.alive && tank.world.player.score > tank.listener->bestScore();
                tank.tap({OIS::KC_ESCAPE});
                running = false;
                break;
            }
            // Over: the tank goes on a while, the player fidgets, then Return (P or the
            // controls panel, where fidgets may have chosen other keys, may stand in the way).
            for (int frame = 0; tank.listener->replayPath() == path; ++frame)
            {
                ASSERT_LT(frame, 2000) << "seed " << seed << ": no new game began";
                tank.keyboard.releaseAll();
                if (frame % 2 == 0)
                    fidget(tank, random, pad, plugs);
                const bool panel = tank.listener->heads().controlsShown();
                const Action next = tank.listener->watchingInside() ? Action::HallOfFame
                                    : panel                         ? Action::Controls
                                    : tank.listener->paused         ? Action::Pause
                                                                    : Action::NewGame;
                if (frame > 20 && frame % 3 == 0)
                    tank.keyboard.press(panel && frame % 2 != 0
                                            ? OIS::KC_BACK
                                            : keysFor(tank.listener->bindings, next).front());
                gameSeconds += 0.02;
                running = frameAround(tank, 0.02f, before, watches);
            }
        }
        tank.listener->endRecording();
        // Every game watched inside the live one played as it was recorded.
        for (const std::string& line : tank.engine.logCatcher.lines)
        {
            EXPECT_EQ(line.find("The replay "), std::string::npos)
                << "seed " << seed << ": " << line;
            if (line.rfind("Watching ", 0) == 0)
                ++(line.find("/fame-") != std::string::npos ? fromTheHall : lastGames);
        }

        // The first game is the best until one beats it.
        int best = games[0].second;
        std::string bestPath = games[0].first;
        for (const auto& [path, score] : games)
        {
            if (score > best)
            {
                best = score;
                bestPath = path;
            }
            ReplayTape tape;
            std::string why, line;
            ASSERT_TRUE(readReplay(fileBytes(path), tape, why)) << path << ": " << why;
            EXPECT_EQ(tape.unreadable, "") << path;
            EXPECT_TRUE(tape.ended) << path;
            EXPECT_EQ(tape.end.score, score) << path;
            EXPECT_EQ(replayWithoutWindow(*tank.engine.headless->root, std::move(tape), line), 0)
                << "seed " << seed << ", " << path << ": " << line;
            ++gamesChecked;
        }
        EXPECT_EQ(fileBytes(folder + "/" + kBestReplay), fileBytes(bestPath))
            << "seed " << seed << ": best.replay is not " << bestPath;
        // Every game of the session stands in the hall of fame, the best on top with its
        // replay, and each entry's replay is kept.
        HallOfFame hall;
        ASSERT_TRUE(parseHallOfFame(tank.platform.files[kHallOfFameFile], hall)) << seed;
        ASSERT_EQ(hall.entries.size(), games.size()) << seed;
        EXPECT_EQ(hall.entries[0].score, best) << seed;
        EXPECT_EQ(fileBytes(folder + "/" + hall.entries[0].replay), fileBytes(bestPath)) << seed;
        for (const FameEntry& entry : hall.entries)
            EXPECT_TRUE(fs::is_regular_file(folder + "/" + entry.replay)) << seed;
        if (!HasFailure())
            fs::remove_all(folder);
    }
    EXPECT_GT(quitsAboveTheBest, 0) << "no session quit above the best";
    EXPECT_GT(fromTheHall, 10) << "games were seldom watched from the hall";
    EXPECT_GT(lastGames, 10) << "the last game was seldom watched from the panel";
    EXPECT_GT(watches, (fromTheHall + lastGames) / 2) << "watching seldom gave the live game back";
    EXPECT_EQ(gamesChecked, 750) << "a session stopped short";
}

// A verifier that always said "same" would pass every stored game: each change to one is found
// at the frame where it first shows, with status 1.
TEST(ReplaySessions, TheVerifierFindsEveryChangeToAStoredGame)
{
    WindowlessEngine engine;
    ReplayTape grown;
    std::string why;
    ASSERT_TRUE(readReplay(
        fileBytes(std::string(FISHTANK_SOURCE_DIR) + "/tests/replays/grown.replay"), grown, why))
        << why;
    ASSERT_GT(grown.checks.size(), 20u);
    const std::size_t checked = grown.checks[12].first, last = grown.frames.size();
    const struct
    {
        const char* change;
        void (*edit)(ReplayTape&);
        std::size_t frame;
    } cases[] = {
        {"a check's score", [](ReplayTape& t) { t.checks[12].second.score += 1; }, checked},
        {"a check's hash", [](ReplayTape& t) { t.checks[12].second.hash ^= 1; }, checked},
        // The first check after the frame a key is flipped in sees the fish elsewhere.
        {"swimming right flipped in one frame",
         [](ReplayTape& t)
         { t.frames[t.checks[7].first].input.actions ^= 1u << int(Action::SwimRight); },
         grown.checks[8].first},
        {"a frame's draws", [](ReplayTape& t) { t.frames[30].dice.draws += 1; }, 31},
        {"the end's cause", [](ReplayTape& t) { t.end.cause = GameEnd::Shark; }, last},
        {"the end's score", [](ReplayTape& t) { t.end.score -= 1; }, last},
    };
    for (const auto& c : cases)
    {
        ReplayTape tape = grown;
        c.edit(tape);
        std::string line;
        EXPECT_EQ(replayWithoutWindow(*engine.headless->root, std::move(tape), line), 1)
            << c.change;
        EXPECT_EQ(line.rfind("differs at frame " + std::to_string(c.frame) + " ", 0), 0u)
            << c.change << ": " << line;
    }
    std::string line;
    EXPECT_EQ(replayWithoutWindow(*engine.headless->root, grown, line), 0) << line;
}

// A game of format 1 written again in format 2, as another version of the game: the verifier
// names that version and still finds it plays the same.
TEST(ReplaySessions, AnOldGameWrittenAgainInTheNewFormatByAnotherVersionPlaysTheSame)
{
    WindowlessEngine engine;
    ReplayTape old;
    std::string why;
    ASSERT_TRUE(readReplay(
        fileBytes(std::string(FISHTANK_SOURCE_DIR) + "/tests/replays/grown.replay"), old, why))
        << why;
    old.header.gameVersion = "1.0.0";
    ReplayWriter writer(old.header);
    std::string bytes = writer.flush();
    auto check = old.checks.begin();
    for (std::size_t frame = 0; frame < old.frames.size(); ++frame)
    {
        writer.frame(old.frames[frame]);
        for (; check != old.checks.end() && check->first == frame + 1; ++check)
            writer.check(check->second);
        bytes += writer.flush();
    }
    bytes += writer.finish(old.end);
    ReplayTape again;
    ASSERT_TRUE(readReplay(bytes, again, why)) << why;
    EXPECT_EQ(recordedByOtherVersion(again.header, "1.1.0"),
              "recorded by fishtank 1.0.0; this is 1.1.0");
    EXPECT_EQ(recordedByOtherVersion(again.header, "1.0.0"), "");
    std::string line;
    EXPECT_EQ(replayWithoutWindow(*engine.headless->root, std::move(again), line), 0) << line;
}

// The pace of watching, on which the timedemo relies: a drawn frame handed the next recorded
// frame's time plays exactly that frame; one handed half of it plays none until the other half
// comes, as a viewer's fast frames do; and the game goes as recorded.
TEST(ReplaySessions, AWatchedFramePlaysTheRecordedFramesItsTimeCovers)
{
    ReplayTape tape;
    std::string why;
    ASSERT_TRUE(readReplay(
        fileBytes(std::string(FISHTANK_SOURCE_DIR) + "/tests/replays/marks.replay"), tape, why))
        << why;
    ReplayDice dice;
    PlayableTank tank(&dice);
    auto playback = std::make_unique<ReplayPlayback>(std::move(tape));
    const ReplayPlayback& played = *playback;
    tank.listener->watch(std::move(playback), dice);
    Ogre::FrameEvent drawn{};
    for (std::size_t frame = 0; !played.done(); ++frame)
    {
        const float recorded = played.nextFrameSeconds();
        drawn.timeSinceLastFrame = frame % 2 == 0 ? recorded : recorded / 2;
        if (frame % 2 == 1)
        {
            ASSERT_TRUE(tank.listener->frameStarted(drawn));
            ASSERT_EQ(played.framesPlayed(), frame) << "half its time played frame " << frame;
        }
        ASSERT_TRUE(tank.listener->frameStarted(drawn));
        ASSERT_EQ(played.framesPlayed(), frame + 1) << "at frame " << frame;
    }
    EXPECT_EQ(played.outcome().rfind("same: ", 0), 0u) << played.outcome();
}

// A disk that fills during play: the file keeps every whole second before, reads back with no
// damage, and the error box's words say how far the game is kept, or that it is not.
TEST(ReplaySessions, ARecordingCutShortSaysUpToWhichSecondItIsKept)
{
    WindowlessEngine engine;
    std::signal(SIGXFSZ, SIG_IGN);
    for (int fullAt : {0, 3})
    {
        const std::string folder = "replay-cut-" + std::to_string(fullAt);
        fs::remove_all(folder);
        GameRecorder recorder(folder);
        ReplayHeader header;
        header.width = 640;
        header.height = 480;
        recorder.begin(header);
        rlimit usual{};
        getrlimit(RLIMIT_FSIZE, &usual);
        for (int frame = 0; frame < 200; ++frame)
        {
            if (frame == fullAt * 32)
            {
                rlimit full = usual;
                full.rlim_cur = rlim_t(fs::file_size(recorder.path())) + 4;
                setrlimit(RLIMIT_FSIZE, &full);
            }
            ReplayFrame played;
            played.dt = 1.0f / 32; // exact: a check every 32 frames
            if (recorder.frame(played))
                recorder.check(ReplayCheck{});
        }
        setrlimit(RLIMIT_FSIZE, &usual);
        const std::string kept = recorder.keptText();
        EXPECT_NE(kept.find(fullAt == 0 ? "This game was not kept: it could not be written"
                                        : "The game is kept up to second 3 in " + folder),
                  std::string::npos)
            << kept;
        ReplayTape tape;
        std::string why;
        ASSERT_TRUE(readReplay(fileBytes(recorder.path()), tape, why)) << why;
        EXPECT_EQ(tape.unreadable, "");
        EXPECT_EQ(tape.frames.size(), std::size_t(fullAt * 32));
        fs::remove_all(folder);
    }
    std::signal(SIGXFSZ, SIG_DFL);
}
