// The real game in a window, with the settings saved in ogre.cfg instead of the dialog:
// time from the start of the process to the first rendered frame; a cold start, where
// every kind of fish appears at once in the first frames (the longest frame against the
// median shows any pause the renderer takes to make a shader); then frames per second with
// a typical tank (the player, 20 fish, the hook in view) and the frame time's mean, median
// and 99th percentile (stutter shows there), then the game's own work of a frame and the
// time to shut down.
//
// The game's drawing choices are measured as switches in the same process, each turned
// off in short turns with the game as it is, so that a slower or busier machine slows
// every line alike and the ratios hold. The window and picture layout asked of the driver
// are fixed when the window is made, so the game is drawn a second time by a process that
// makes no such choice. Run it in the run directory, with a window size ("1920x1080") or
// none for 1024x768 and then 1920x1080.
#include "BenchWindow.h"
#include "FrameTimes.h"

#include "game/CameraTrackApplication.h"
#include "game/ReplayRecords.h"
#include "input/ExampleFrameListener.h"
#include "platform/DesktopPlatform.h"
#include "platform/Dice.h"
#include "platform/DrawingChoices.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <Ogre.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
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
    BenchGame(Platform& platform_, ReplayDice& dice_, std::string size_)
        : CameraTrackApplication(platform_, dice_), windowSize(std::move(size_))
    {
    }

    bool openRenderWindow() override
    {
        window = openBenchWindow(*root, windowSize);
        return true;
    }

    // Twenty fish spread over the tank, away from the player, every kind facing each way;
    // the hook hangs in view. The frames are drawn with no time passing, so the tank keeps just
    // these.
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
            createFishVisuals(fish, (i / 6) % 2 ? 1 : -1, 0, sceneManager, &background, material,
                              material + "Right", 20 + (i * 61) % 300, (i * 47) % 230, size,
                              size / 4);
            fishes.push_back(fish);
        }
        hookNode->setPosition(420, 60, 2);
    }

    // Solid drawing leaving out what cannot be seen (the far pictures, the side panels' cut),
    // or the whole scene drawn.
    void leaveOutUnseen(bool leaveOut)
    {
        if (leaveOut && !solidDrawing)
            solidDrawing = std::make_unique<SolidDrawing>(camera, leftSide, rightSide);
        else if (!leaveOut)
            solidDrawing.reset();
    }

    // The water sampled from its nearest texel, or smoothed as the engine's defaults say.
    void sampleWaterPlainly(bool plainly)
    {
        if (plainly)
            sampleNearest(background);
        else
            followDefaultSampling(background);
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

private:
    std::string windowSize; // "1920x1080"
    std::string waterVertex, waterFragment;
};

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

// One of the game's drawing choices, made (true) or not (false).
struct Choice
{
    std::string name;
    std::function<void(bool made)> make;
};

// Draws the tank with every choice made, and with each left out in turn, a few frames
// each, many times over; returns the frame times of each, the game's first.
std::vector<FrameTimes> measureChoices(Ogre::Root& engine, const std::vector<Choice>& choices)
{
    const int rounds = 8, settleFrames = 3, timedFrames = 25;
    std::vector<FrameTimes> times(choices.size() + 1);
    for (int round = 0; round < rounds; ++round)
    {
        for (std::size_t look = 0; look < times.size(); ++look)
        {
            for (std::size_t i = 0; i < choices.size(); ++i)
                choices[i].make(look != i + 1);
            drawFrames(engine, settleFrames, timedFrames, times[look]);
        }
    }
    for (const Choice& choice : choices)
        choice.make(true);
    return times;
}

Ogre::Image windowPicture(Ogre::Root& engine, Ogre::RenderWindow& window)
{
    engine.renderOneFrame(0);
    engine.renderOneFrame(0);
    Ogre::Image image(Ogre::PF_BYTE_RGB, window.getWidth(), window.getHeight());
    window.copyContentsToMemory(image.getPixelBox(), image.getPixelBox());
    return image;
}

// How far apart two pictures of the tank are, over every colour channel of every pixel
// (0 to 255), and the share of pixels with a channel more than 8 apart.
void comparePictures(const std::string& what, const Ogre::Image& game, const Ogre::Image& other)
{
    const Ogre::uchar* a = game.getData();
    const Ogre::uchar* b = other.getData();
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
    std::cout << "picture_mean_channel_difference_" << what << " " << total / (3.0 * pixels) << "\n"
              << "picture_pixels_differing_percent_" << what << " "
              << 100.0 * double(differing) / double(pixels) << "\n";
}

std::string gameResultFile(const std::string& size)
{
    return "render_bench_game_" + size + ".ms";
}

std::unique_ptr<BenchGame> startGame(DesktopPlatform& platform, ReplayDice& dice,
                                     const std::string& size)
{
    auto game = std::make_unique<BenchGame>(platform, dice, size);
    game->setUp();
    game->engine().getRenderSystem()->_initRenderTargets();
    game->engine().renderOneFrame(0);
    return game;
}

// The game as players get it, in one window size: "1920x1080".
int measureGame(const std::string& size)
{
    DesktopPlatform platform;
    ReplayDice dice;
    std::unique_ptr<BenchGame> game = startGame(platform, dice, size);
    std::cout << "startup_to_first_frame_ms_" << size << " " << millisecondsSinceProcessStart()
              << "\n";

    // A cold start: every kind of fish, both ways round, appears at once.
    game->fillTank();
    FrameTimes cold;
    const Clock::time_point first = Clock::now();
    game->engine().renderOneFrame(0);
    const double firstMs = millisecondsSince(first);
    drawFrames(game->engine(), 0, 99, cold);
    cold.add(firstMs);
    std::cout << "cold_start_first_frame_ms_" << size << " " << firstMs << "\n"
              << "cold_start_longest_frame_ms_" << size << " " << cold.percentile(1.0) << "\n"
              << "cold_start_longest_over_median_" << size << " "
              << cold.percentile(1.0) / cold.percentile(0.5) << "\n";

    FrameTimes times;
    drawFrames(game->engine(), 0, 400, times);
    printFrameTimes("game", size, times);
    std::ofstream(gameResultFile(size)) << times.mean() << "\n";
    Ogre::Image picture = windowPicture(game->engine(), game->renderWindow());
    picture.save("render_bench_game_" + size + ".png");

    BenchGame* bench = game.get();
    const std::vector<Choice> choices = {
        {"solid_drawing_leaves_out_unseen", [bench](bool made) { bench->leaveOutUnseen(made); }},
        {"water_shader", [bench](bool made) { bench->shadeWater(made); }},
        {"plain_water_sampling", [bench](bool made) { bench->sampleWaterPlainly(made); }},
    };
    const std::vector<FrameTimes> looks = measureChoices(game->engine(), choices);
    for (std::size_t i = 0; i < choices.size(); ++i)
        std::cout << "gain_of_" << choices[i].name << "_" << size << " "
                  << looks[i + 1].mean() / looks[0].mean() << "\n";
    // What the choices change in the picture: the tank with every one of them left out.
    for (const Choice& choice : choices)
        choice.make(false);
    comparePictures("without_choices_" + size, picture,
                    windowPicture(game->engine(), game->renderWindow()));
    for (const Choice& choice : choices)
        choice.make(true);

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

// The same tank in a window and with pictures laid out as the driver offers.
int measureWithoutDriverChoices(const std::string& size)
{
    makeDrawingChoices(false);
    DesktopPlatform platform;
    ReplayDice dice;
    std::unique_ptr<BenchGame> game = startGame(platform, dice, size);
    game->fillTank();
    FrameTimes times;
    drawFrames(game->engine(), 100, 400, times);
    double gameMeanMs = 0;
    std::ifstream(gameResultFile(size)) >> gameMeanMs;
    std::cout << "gain_of_window_and_picture_layout_" << size << " " << times.mean() / gameMeanMs
              << "\n";
    return 0;
}
} // namespace

// With a window size, measures the game in it ("--driver-as-offered" after the size: the
// window and pictures as the driver offers them); with none, measures 1024x768 and
// 1920x1080, each in processes of their own so that each start-up is a real one.
int main(int argc, char** argv)
{
    if (argc == 2)
        return measureGame(argv[1]);
    if (argc == 3 && std::string(argv[2]) == "--driver-as-offered")
        return measureWithoutDriverChoices(argv[1]);
    int status = 0;
    for (const char* size : {"1024x768", "1920x1080"})
    {
        for (const char* mode : {"", " --driver-as-offered"})
        {
            std::cout.flush();
            const std::string command = std::string("'") + argv[0] + "' " + size + mode;
            if (std::system(command.c_str()) != 0)
                status = 1;
        }
    }
    return status;
}
