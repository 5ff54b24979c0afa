// The real game in a window, with the settings saved in ogre.cfg instead of the dialog:
// time from the start of the process to the first rendered frame, then frames per second
// with a typical tank (the player, 20 fish, the hook in view) and the frame time's mean,
// median and 99th percentile (stutter shows there), then the game's own work of a frame and
// the time to shut down.
//
// A second process draws the same tank in a window made as before the game chose its window
// and picture layout for the driver (with a depth buffer, pictures stored as the engine
// names them). There each of the game's other drawing choices is a switch: the tank is
// drawn as the game draws it, as it drew it before any of them (the baseline), and with one
// choice at a time put back, in short turns, so that a slower or busier machine slows every
// line alike and those ratios hold. The first process's picture is compared with the
// baseline's. Run it in the run directory, with a window size ("1920x1080") or none for
// 1024x768 and then 1920x1080.
#include "BaselineLook.h"
#include "FrameTimes.h"

#include "game/CameraTrackApplication.h"
#include "input/ExampleFrameListener.h"
#include "platform/DesktopPlatform.h"
#include "platform/Dice.h"
#include "platform/DrawingChoices.h"
#include "scene/FishVisuals.h"

#include <Bites/OgreWindowEventUtilities.h>
#include <Ogre.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class BenchGame : public CameraTrackApplication
{
public:
    BenchGame(Platform& platform_, Dice& dice_, std::string videoMode_)
        : CameraTrackApplication(platform_, dice_), videoMode(std::move(videoMode_))
    {
    }

    bool openRenderWindow() override
    {
        if (!root->restoreConfig())
            OGRE_EXCEPT(Ogre::Exception::ERR_FILE_NOT_FOUND, "run me where ogre.cfg is",
                        "RenderBench");
        // Players get vsync; the benchmark measures how fast frames can be drawn.
        root->getRenderSystem()->setConfigOption("VSync", "No");
        root->getRenderSystem()->setConfigOption("Video Mode", videoMode);
        window = root->initialise(true, "OGRE Render Window");
        OgreBites::WindowEventUtilities::_addRenderWindow(window);
        return true;
    }

    // Twenty fish of every kind spread over the tank, away from the player; the hook hangs
    // in view. The frames are drawn with no time passing, so the tank keeps just these.
    void fillTank()
    {
        const char* kinds[] = {"ZorvFish",  "RedFish",    "YellowFish",
                               "GreenFish", "PurpleFish", "SharkFish"};
        const int sizes[] = {28, 40, 60, 80, 100, 160, 200};
        for (int i = 0; i < 20; ++i)
        {
            Fish fish;
            resetFish(fish);
            const std::string material = std::string("Examples/") + kinds[i % 6];
            const int size = sizes[i % 7];
            createFishVisuals(fish, i % 2 ? 1 : -1, 0, sceneManager, &background, material,
                              material + "Right", 20 + (i * 61) % 300, (i * 47) % 230, size,
                              size / 4);
            fishes.push_back(fish);
        }
        hookNode->setPosition(420, 60, 2);
    }

    // The side panels as the game draws them (cut to the columns between them), or drawn.
    void clipToSidePanels(bool clip)
    {
        if (clip && !sidePanelClip)
            sidePanelClip = std::make_unique<SidePanelClip>(camera, leftSide, rightSide);
        else if (!clip)
            sidePanelClip.reset();
    }

    // The water drawn by its shaders, or by fixed-function texturing as before.
    void shadeWater(bool shaders)
    {
        Ogre::Pass* pass = background.set->getMaterial()->getTechnique(0)->getPass(0);
        if (shaders && !pass->hasVertexProgram())
        {
            pass->setVertexProgram(waterVertex);
            pass->setFragmentProgram(waterFragment);
        }
        else if (!shaders && pass->hasVertexProgram())
        {
            waterVertex = pass->getVertexProgramName();
            waterFragment = pass->getFragmentProgramName();
            pass->setVertexProgram("");
            pass->setFragmentProgram("");
        }
    }

    Ogre::Root& engine() { return *root; }
    Ogre::RenderWindow& renderWindow() { return *window; }
    ExampleFrameListener& listener() { return *frameListener; }
    TankRecords& tank() { return *this; }

private:
    std::string videoMode; // "1920 x 1080"
    std::string waterVertex, waterFragment;
};

std::string engineVideoMode(std::string size)
{
    size.replace(size.find('x'), 1, " x ");
    return size;
}

// Draws `untimed` frames, then `timed` more whose times are added to `times`.
void drawFrames(Ogre::Root& engine, int untimed, int timed, FrameTimes& times)
{
    for (int i = 0; i < untimed; ++i)
        engine.renderOneFrame(0);
    for (int i = 0; i < timed; ++i)
    {
        const Clock::time_point start = Clock::now();
        engine.renderOneFrame(0);
        times.add(millisecondsSince(start));
    }
}

// A look's frames per second, and its frame time's mean, median and 99th percentile.
void printFrameTimes(const std::string& look, const std::string& size, const FrameTimes& times)
{
    const std::string at = "_" + look + "_" + size;
    std::cout << "frames_per_second" << at << " " << 1000.0 / times.mean() << "\n"
              << "frame_ms_mean" << at << " " << times.mean() << "\n"
              << "frame_ms_median" << at << " " << times.percentile(0.5) << "\n"
              << "frame_ms_p99" << at << " " << times.percentile(0.99) << "\n";
}

// Draws the tank in every look in turn, a few frames each, many times over.
std::vector<FrameTimes> measureLooks(Ogre::Root& engine, BaselineLook& looks)
{
    const int rounds = 8, settleFrames = 3, timedFrames = 25;
    std::vector<FrameTimes> times(looks.count());
    for (int round = 0; round < rounds; ++round)
    {
        for (std::size_t look = 0; look < looks.count(); ++look)
        {
            looks.apply(look);
            drawFrames(engine, settleFrames, timedFrames, times[look]);
        }
    }
    looks.apply(0);
    return times;
}

// What the game's own window measured, passed on to the process that draws as before.
struct GameResult
{
    double meanMs = 0;
    Ogre::Image picture;
};

std::string gameResultFile(const std::string& size)
{
    return "render_bench_game_" + size + ".ms";
}

std::string gamePictureFile(const std::string& size)
{
    return "render_bench_game_" + size + ".png";
}

Ogre::Image windowPicture(Ogre::Root& engine, Ogre::RenderWindow& window)
{
    engine.renderOneFrame(0);
    engine.renderOneFrame(0);
    Ogre::Image image(Ogre::PF_BYTE_RGB, window.getWidth(), window.getHeight());
    window.copyContentsToMemory(image.getPixelBox(), image.getPixelBox());
    return image;
}

GameResult readGameResult(const std::string& size)
{
    GameResult result;
    std::ifstream(gameResultFile(size)) >> result.meanMs;
    std::ifstream file(gamePictureFile(size), std::ios::binary);
    Ogre::DataStreamPtr stream(new Ogre::FileStreamDataStream(&file, false));
    result.picture.load(stream, "png");
    return result;
}

// The looks drawn in the window as before: the game's other choices each put back, and all.
void printLooks(const std::string& size, const BaselineLook& looks,
                const std::vector<FrameTimes>& times, const GameResult& game)
{
    const double baselineMean = times[looks.baselineIndex()].mean();
    const double tunedMean = times[0].mean();
    for (std::size_t look = 0; look < looks.count(); ++look)
    {
        const FrameTimes& t = times[look];
        if (look == looks.baselineIndex())
        {
            printFrameTimes(looks.name(look), size, t);
            continue;
        }
        const std::string name = look == 0 ? "game_in_window_as_before" : looks.name(look);
        std::cout << "frames_per_second_" << name << "_" << size << " " << 1000.0 / t.mean()
                  << "\n";
        if (look != 0)
            std::cout << "gain_of_" << looks.switchName(look) << "_" << size << " "
                      << t.mean() / tunedMean << "\n";
    }
    // These two compare frames of two processes, one after the other.
    std::cout << "gain_of_window_and_picture_layout_" << size << " " << tunedMean / game.meanMs
              << "\n"
              << "speed_vs_baseline_" << size << " " << baselineMean / game.meanMs << "\n";
}

// The tank drawn as the game draws it and as the baseline did: how far apart the two
// pictures are, over every colour channel of every pixel (0 to 255), and the share of pixels
// with a channel more than 8 apart. Both pictures are saved beside the benchmark to look at.
void comparePictures(const std::string& size, const Ogre::Image& game, Ogre::Image baseline)
{
    baseline.save("render_bench_baseline_" + size + ".png");
    const Ogre::uchar* a = game.getData();
    const Ogre::uchar* b = baseline.getData();
    const std::size_t pixels = game.getWidth() * game.getHeight();
    double total = 0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < pixels; ++i)
    {
        int largest = 0;
        for (int c = 0; c < 3; ++c)
        {
            const int difference = std::abs(int(a[3 * i + c]) - int(b[3 * i + c]));
            total += difference;
            largest = std::max(largest, difference);
        }
        if (largest > 8)
            ++differing;
    }
    std::cout << "picture_mean_channel_difference_" << size << " " << total / (3.0 * pixels) << "\n"
              << "picture_pixels_differing_percent_" << size << " "
              << 100.0 * double(differing) / double(pixels) << "\n";
}

std::unique_ptr<BenchGame> startGame(DesktopPlatform& platform, SystemDice& dice,
                                     const std::string& size)
{
    auto game = std::make_unique<BenchGame>(platform, dice, engineVideoMode(size));
    game->setUp();
    game->engine().getRenderSystem()->_initRenderTargets();
    game->engine().renderOneFrame(0);
    return game;
}

// The game as players get it, in one window size: "1920x1080".
int measureGame(const std::string& size)
{
    DesktopPlatform platform;
    SystemDice dice;
    std::unique_ptr<BenchGame> game = startGame(platform, dice, size);
    std::cout << "startup_to_first_frame_ms_" << size << " " << millisecondsSinceProcessStart()
              << "\n";

    game->fillTank();
    // The first frames of a new tank make the renderer's shaders for it: they are left out.
    FrameTimes times;
    drawFrames(game->engine(), 100, 400, times);
    printFrameTimes("game", size, times);
    std::ofstream(gameResultFile(size)) << times.mean() << "\n";
    windowPicture(game->engine(), game->renderWindow()).save(gamePictureFile(size));

    // The listener's own work of a frame: input, keys, steering and the rules.
    const int frames = 600;
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0;
    const Clock::time_point rulesStart = Clock::now();
    for (int i = 0; i < frames; ++i)
        game->listener().frameStarted(event);
    std::cout << "listener_ms_per_frame_" << size << " " << millisecondsSince(rulesStart) / frames
              << "\n";

    const Clock::time_point stop = Clock::now();
    game.reset();
    std::cout << "shutdown_ms_" << size << " " << millisecondsSince(stop) << "\n";
    return 0;
}

// The same tank in a window made as before, with every other choice switched in turn.
int measureAsBefore(const std::string& size)
{
    makeDrawingChoices(false);
    DesktopPlatform platform;
    SystemDice dice;
    std::unique_ptr<BenchGame> game = startGame(platform, dice, size);
    const GameResult gameResult = readGameResult(size); // the picture codecs are loaded now
    game->fillTank();
    BaselineLook looks(game->tank(), game->renderWindow());
    BenchGame* bench = game.get();
    looks.addSwitch("side_panel_clip", [bench](bool tuned) { bench->clipToSidePanels(tuned); });
    looks.addSwitch("water_shader", [bench](bool tuned) { bench->shadeWater(tuned); });
    printLooks(size, looks, measureLooks(game->engine(), looks), gameResult);
    looks.apply(looks.baselineIndex());
    comparePictures(size, gameResult.picture, windowPicture(game->engine(), game->renderWindow()));
    looks.apply(0);
    return 0;
}
} // namespace

// With a window size, measures the game in it ("--as-before" after the size: the window
// made as before); with none, measures 1024x768 and 1920x1080, each in processes of their
// own so that each start-up is a real one.
int main(int argc, char** argv)
{
    if (argc == 2)
        return measureGame(argv[1]);
    if (argc == 3 && std::string(argv[2]) == "--as-before")
        return measureAsBefore(argv[1]);
    int status = 0;
    for (const char* size : {"1024x768", "1920x1080"})
    {
        for (const char* mode : {"", " --as-before"})
        {
            std::cout.flush();
            const std::string command = std::string("'") + argv[0] + "' " + size + mode;
            if (std::system(command.c_str()) != 0)
                status = 1;
        }
    }
    return status;
}
