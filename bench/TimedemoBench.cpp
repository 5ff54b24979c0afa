// The timedemo: the stored games watched in the real game's window as fast as the renderer
// draws them. Each drawn frame is handed the recorded time of the next frame as its own, so
// the game's watching (at 1x, the pace a viewer starts at) plays exactly that one recorded
// frame in it, whatever the wall clock says; every draw is checked to have played one. Each
// game is watched by a process of its own, as `fishtank --replay FILE` watches it, so each
// pays for the first appearance of every kind of fish and of the hook in it.
//
// The floor every frame pays here is measured in the same process and window, before and
// after the game: the window cleared and shown with an empty scene (no tank, no overlays, no
// rules), on the same render system.
//
// The cost of recording: each game is watched again with a recorder attached as the live
// game records, a record of every frame played and a check of the tank every whole second,
// into a folder of its own; runs with and without it alternate. The recorder's own time is
// taken around its calls, and the whole frame is compared over each run's own floor.
//
// Run it in the run directory: `timedemo_bench FILE...` watches every file at 1024x768 and
// 1920x1080; `timedemo_bench --watch SIZE FILE [--record]` watches one game once.
#include "BenchWindow.h"
#include "FrameTimes.h"

#include "game/CameraTrackApplication.h"
#include "game/CameraTrackListener.h"
#include "game/GameRecorder.h"
#include "game/ReplayPlayback.h"
#include "game/ReplayVerify.h"
#include "input/InputSystem.h"
#include "platform/DesktopPlatform.h"
#include "platform/Dice.h"
#include "platform/SandboxPlatform.h"

#include <Ogre.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Where the attached recorder writes; emptied before and after each run.
constexpr const char* kRecordingFolder = "timedemo_replays";
// Frames of the empty scene measured before the game and again after it.
constexpr int kFloorFrames = 150;
// Runs of each game with the recorder and without, alternating (one of each keeps the whole
// command within a quarter of an hour on a busy machine).
constexpr int kRounds = 1;

// Records the watched game as the live game records itself once a frame's rules have run:
// the frame, a check of the tank when a whole second of game time has passed with it, and
// the end with the game's last frame. Its own time is kept apart.
class AttachedRecorder : public Ogre::FrameListener
{
public:
    AttachedRecorder(const ReplayTape& tape_, const ReplayPlayback& played_,
                     const CameraTrackListener& game_)
        : tape(tape_), played(played_), game(game_), recorder(kRecordingFolder)
    {
        const Clock::time_point start = Clock::now();
        recorder.begin(tape.header);
        milliseconds += millisecondsSince(start);
    }

    // After every frame listener's frameStarted (the game's rules), before the picture is shown.
    bool frameRenderingQueued(const Ogre::FrameEvent&) override
    {
        const Clock::time_point start = Clock::now();
        for (; recorded < played.framesPlayed(); ++recorded)
            if (recorder.recording() && recorder.frame(tape.frames[recorded]))
                recorder.check(game.tankCheck());
        if (played.done() && recorder.recording())
        {
            const ReplayEnd end = game.gameEnd();
            recorder.end(end, recorder.setsBest(end.score, tape.header.bestScore));
        }
        milliseconds += millisecondsSince(start);
        return true;
    }

    double milliseconds = 0; // spent in the recorder so far

private:
    const ReplayTape& tape;
    const ReplayPlayback& played;
    const CameraTrackListener& game;
    GameRecorder recorder;
    std::size_t recorded = 0; // frames handed to the recorder
};

// The game watching a recorded game in a benchmark's window, wired as the game wires it,
// with the playback kept in view.
class BenchWatch : public CameraTrackApplication
{
public:
    BenchWatch(Platform& platform_, ReplayDice& dice_, ReplayTape tape, std::string size_)
        : CameraTrackApplication(platform_, dice_, std::make_unique<ReplayTape>(std::move(tape))),
          size(std::move(size_))
    {
    }

    bool openRenderWindow() override
    {
        window = openBenchWindow(*root, size);
        return true;
    }

    void makeFrameListener() override
    {
        sandbox = std::make_unique<SandboxPlatform>(&platform);
        fillSandbox(*sandbox, watched->header);
        auto listener = makeTankListener(window, camera, *this,
                                         std::make_unique<OisInputSystem>(window), *sandbox, dice);
        auto playback = std::make_unique<ReplayPlayback>(std::move(*watched));
        played = playback.get();
        listener->watch(std::move(playback), dice);
        root->addFrameListener(listener.get());
        game = listener.get();
        frameListener = std::move(listener);
    }

    // The window shows an empty scene and no game runs, or the game again.
    void showEmptyScene(bool empty)
    {
        if (emptyCamera == nullptr)
            emptyCamera = root->createSceneManager()->createCamera("EmptySceneCamera");
        window->getViewport(0)->setCamera(empty ? emptyCamera : camera);
        if (empty)
            root->removeFrameListener(game);
        else
            root->addFrameListener(game);
    }

    Ogre::Root& engine() { return *root; }
    const ReplayPlayback& playback() const { return *played; }
    const CameraTrackListener& listener() const { return *game; }

private:
    std::string size;                       // "1920x1080"
    const ReplayPlayback* played = nullptr; // owned by the listener
    Ogre::Camera* emptyCamera = nullptr;
};

// Adds the times of frames of the empty scene, after a few untimed ones.
void measureFloor(BenchWatch& app, FrameTimes& floor)
{
    app.showEmptyScene(true);
    for (int i = 0; i < kFloorFrames + 10; ++i)
    {
        const Clock::time_point start = Clock::now();
        app.engine().renderOneFrame(0);
        if (i >= 10)
            floor.add(millisecondsSince(start));
    }
    app.showEmptyScene(false);
}

// Watches the game in the file once at the window size, with the recorder attached or not,
// and prints its figures as "name value" lines; 1 when a drawn frame did not play exactly
// one recorded frame or the game went another way than recorded, 2 when it cannot be read.
int watchGame(const std::string& size, const std::string& path, bool record)
{
    ReplayTape tape;
    std::string problem;
    if (!loadReplay(path, tape, problem))
    {
        std::cerr << "timedemo_bench: " << problem << std::endl;
        return 2;
    }
    const ReplayTape recordedTape = tape;
    DesktopPlatform platform;
    ReplayDice dice;
    BenchWatch app(platform, dice, std::move(tape), size);
    app.setUp();
    app.engine().getRenderSystem()->_initRenderTargets();
    app.engine().renderOneFrame(0);
    FrameTimes floor;
    measureFloor(app, floor);

    const ReplayPlayback& played = app.playback();
    std::filesystem::remove_all(kRecordingFolder);
    std::unique_ptr<AttachedRecorder> recorder;
    if (record)
    {
        recorder = std::make_unique<AttachedRecorder>(recordedTape, played, app.listener());
        app.engine().addFrameListener(recorder.get());
    }
    FrameTimes frames;
    while (!played.done())
    {
        const std::size_t before = played.framesPlayed();
        const Clock::time_point start = Clock::now();
        app.engine().renderOneFrame(played.nextFrameSeconds());
        frames.add(millisecondsSince(start));
        if (played.framesPlayed() != before + 1)
        {
            std::cerr << "timedemo_bench: a drawn frame played " << played.framesPlayed() - before
                      << " recorded frames" << std::endl;
            return 1;
        }
    }
    if (!played.differs().empty())
    {
        std::cerr << "timedemo_bench: " << path << " " << played.differs() << std::endl;
        return 1;
    }
    if (recorder)
        app.engine().removeFrameListener(recorder.get());
    measureFloor(app, floor);

    std::cout << "frames " << frames.count() << "\n"
              << "game_ms_mean " << frames.mean() << "\n"
              << "game_ms_median " << frames.percentile(0.5) << "\n"
              << "game_ms_p99 " << frames.percentile(0.99) << "\n"
              << "game_ms_worst " << frames.percentile(1.0) << "\n"
              << "floor_ms_mean " << floor.mean() << "\n"
              << "floor_ms_median " << floor.percentile(0.5) << "\n"
              << "floor_ms_p99 " << floor.percentile(0.99) << "\n";
    if (recorder)
        std::cout << "recorder_ms " << recorder->milliseconds << "\n";
    std::cout.flush();
    recorder.reset();
    std::filesystem::remove_all(kRecordingFolder);
    return 0;
}

using Figures = std::map<std::string, double>;

// Runs one watch in a process of its own and reads back its figures; empty when it failed.
Figures watchInProcess(const std::string& self, const std::string& size, const std::string& path,
                       bool record)
{
    const std::string command =
        "'" + self + "' --watch " + size + " '" + path + "'" + (record ? " --record" : "");
    Figures figures;
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr)
        return figures;
    char line[256];
    while (std::fgets(line, sizeof line, out) != nullptr)
    {
        std::istringstream fields(line);
        std::string name;
        double value = 0;
        if (fields >> name >> value)
            figures[name] = value;
    }
    if (pclose(out) != 0)
        figures.clear();
    return figures;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// "session_2" for ".../tests/replays/session-2.replay".
std::string gameName(const std::string& path)
{
    std::string name = std::filesystem::path(path).stem().string();
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

// Watches every game at the window size, with the recorder and without in alternating runs,
// and prints each game's frame times (from its first run without the recorder), the floor,
// and what recording costs; false when a run failed.
bool measureSize(const std::string& self, const std::string& size,
                 const std::vector<std::string>& games)
{
    std::vector<std::vector<Figures>> plain(games.size()), recorded(games.size());
    for (int round = 0; round < kRounds; ++round)
    {
        for (std::size_t g = 0; g < games.size(); ++g)
        {
            // Which goes first swaps from game to game and round to round, so that a machine
            // slowing down or speeding up favours neither.
            const bool recordFirst = (round + g) % 2 == 1;
            for (bool record : {recordFirst, !recordFirst})
            {
                Figures figures = watchInProcess(self, size, games[g], record);
                if (figures.empty())
                {
                    std::cerr << "timedemo_bench: watching " << games[g] << " failed" << std::endl;
                    return false;
                }
                (record ? recorded : plain)[g].push_back(figures);
            }
        }
    }

    double frames = 0, gameMs = 0, floorMs = 0, recorderMs = 0, recordedFrames = 0;
    double worstRatio = 0, worstFloorRatio = 0;
    std::vector<double> overFloor, recordingChange;
    for (std::size_t g = 0; g < games.size(); ++g)
    {
        const Figures& first = plain[g][0];
        const std::string at = "timedemo_" + gameName(games[g]) + "_" + size;
        const double ratio = first.at("game_ms_p99") / first.at("game_ms_median");
        worstRatio = std::max(worstRatio, ratio);
        // The empty scene's own stutter: what the machine, not the game, adds to the p99.
        worstFloorRatio =
            std::max(worstFloorRatio, first.at("floor_ms_p99") / first.at("floor_ms_median"));
        std::cout << at << "_median_ms " << first.at("game_ms_median") << "\n"
                  << at << "_p99_ms " << first.at("game_ms_p99") << "\n"
                  << at << "_worst_ms " << first.at("game_ms_worst") << "\n"
                  << at << "_p99_over_median " << ratio << "\n"
                  << at << "_median_over_empty_scene "
                  << first.at("game_ms_median") / first.at("floor_ms_median") << "\n";
        for (int round = 0; round < kRounds; ++round)
        {
            const Figures& without = plain[g][round];
            const Figures& with = recorded[g][round];
            frames += without.at("frames");
            gameMs += without.at("frames") * without.at("game_ms_mean");
            floorMs += without.at("floor_ms_mean");
            overFloor.push_back(without.at("floor_ms_mean") / without.at("game_ms_mean"));
            recorderMs += with.at("recorder_ms");
            recordedFrames += with.at("frames");
            // Each run's frame time over its own floor, so that the machine's drift between
            // the two processes cancels.
            recordingChange.push_back(
                100.0 * ((with.at("game_ms_mean") / with.at("floor_ms_mean")) /
                             (without.at("game_ms_mean") / without.at("floor_ms_mean")) -
                         1.0));
        }
    }
    const double meanFrameMs = gameMs / frames;
    const double recorderMsPerFrame = recorderMs / recordedFrames;
    const double runs = double(games.size()) * kRounds;
    std::cout << "timedemo_frames_per_second_" << size << " " << 1000.0 / meanFrameMs << "\n"
              << "timedemo_worst_p99_over_median_" << size << " " << worstRatio << "\n"
              << "empty_scene_worst_p99_over_median_" << size << " " << worstFloorRatio << "\n"
              << "empty_scene_frames_per_second_" << size << " " << 1000.0 * runs / floorMs << "\n"
              << "timedemo_fps_over_empty_scene_" << size << " " << median(overFloor) << "\n"
              << "recording_us_per_frame_" << size << " " << 1000.0 * recorderMsPerFrame << "\n"
              << "recording_percent_of_frame_" << size << " "
              << 100.0 * recorderMsPerFrame / meanFrameMs << "\n"
              << "recording_whole_frame_change_percent_" << size << " " << median(recordingChange)
              << "\n";
    std::cout.flush();
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 3 && args[0] == "--watch")
        return watchGame(args[1], args[2], args.size() == 4 && args[3] == "--record");
    if (args.empty())
    {
        std::cerr << "usage: timedemo_bench FILE... | --watch SIZE FILE [--record]" << std::endl;
        return 2;
    }
    bool measured = true;
    for (const char* size : {"1024x768", "1920x1080"})
        measured = measureSize(argv[0], size, args) && measured;
    return measured ? 0 : 1;
}
