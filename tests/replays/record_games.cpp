// Records the stored games of tests/replays with a simple player steering by the tank's
// records, on the game's own listener and recorder (no window, 60 frames a second, the
// calendar following the game's time). Run it again, and commit the new games, when a
// change alters the rules on purpose:  record_games OUTPUT_FOLDER [GAME...] (all when none
// is named: lost grown paused session marks slow)
#include "game/CameraTrackListener.h"
#include "game/GameRecorder.h"
#include "support/EngineFixture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>

namespace
{
constexpr float kFrame = 1.0f / 60;
double gameSeconds = 0;
std::int64_t startDate = 1796000000;
float gamePace = 1.0f; // the game speed the games are played at
std::int64_t gameClock()
{
    return startDate + std::int64_t(gameSeconds);
}

// One game from a fresh tank, begun at the start date: `plan` may press keys of its own at a
// frame, and true ends the game. Recorded into the folder unless it is empty; returns the
// meals.
template <typename Plan> int play(const std::string& folder, bool careful, Plan plan)
{
    gameSeconds = 0;
    ReplayDice dice;
    dice.clock = gameClock;
    PlayableTank tank(&dice);
    tank.listener->pace = gamePace;
    if (!folder.empty())
        tank.listener->record(std::make_unique<GameRecorder>(folder), dice);
    for (int frame = 0; frame < 60 * 58; ++frame)
    {
        steer(tank, careful);
        const bool over = plan(tank, frame);
        gameSeconds += kFrame;
        if (!tank.frame(kFrame) || over)
        {
            break;
        }
    }
    tank.listener->endRecording();
    if (folder.empty())
        return tank.world.player.eatenCount;
    std::cout << folder << ": score " << tank.world.player.score << ", meals "
              << tank.world.player.eatenCount << ", " << gameEndText(tank.listener->gameEnd().cause)
              << " at second " << int(gameSeconds) << std::endl;
    return tank.world.player.eatenCount;
}

// The start date, of the next `tries` from `from` on, at which the careful player eats the
// most fish.
template <typename Plan> void findDate(std::int64_t from, int tries, Plan plan)
{
    std::int64_t best = from;
    int most = -1;
    for (startDate = from; startDate < from + tries; ++startDate)
    {
        const int meals = play("", true, plan);
        if (meals > most)
        {
            most = meals;
            best = startDate;
        }
    }
    startDate = best;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const std::string out = argv[1];
    const auto wanted = [&](const std::string& name)
    { return argc == 2 || std::find(argv + 2, argv + argc, name) != argv + argc; };
    // Careless: swims into the first fish larger than the player.
    if (wanted("lost"))
        play(out + "/lost", false,
             [](PlayableTank& tank, int) { return !tank.world.player.alive; });
    // Three careless games joined by Return, a second after each GAME OVER: one file each.
    int overs = 0, overAt = 0;
    if (wanted("session"))
        play(out + "/session", false,
             [&](PlayableTank& tank, int frame)
             {
                 if (tank.world.player.alive)
                     return false;
                 if (overAt == 0)
                     overAt = frame;
                 if (frame == overAt + 60 && ++overs < 3)
                 {
                     tank.keyboard.press(OIS::KC_RETURN);
                     overAt = 0;
                 }
                 return overs == 3;
             });
    // Careful, with the marks off and on again, the panel shown and hidden, and the window
    // made wide and then square; it plays on to its GAME OVER or quits at the end.
    if (wanted("marks"))
        play(out + "/marks", true,
             [](PlayableTank& tank, int frame)
             {
                 if (frame == 120 || frame == 400 || frame == 700)
                     tank.keyboard.press(OIS::KC_H);
                 if (frame == 200 || frame == 260)
                     tank.keyboard.press(OIS::KC_F1);
                 if (frame == 300 || frame == 500)
                 {
                     tank.window.resize(frame == 300 ? 1280 : 700, frame == 300 ? 720 : 700);
                     tank.listener->windowResized(&tank.window);
                 }
                 if (frame == 1800)
                     tank.keyboard.press(OIS::KC_ESCAPE);
                 return !tank.world.player.alive;
             });
    // Careful, at half speed (the fish come and swim at half their pace, and so does the
    // player), begun at the date, of three hundred, when it eats the most.
    if (wanted("slow"))
    {
        gamePace = 0.5f;
        const auto slow = [](PlayableTank& tank, int) { return !tank.world.player.alive; };
        const std::int64_t usualStart = startDate;
        findDate(startDate, 300, slow);
        play(out + "/slow", true, slow);
        gamePace = 1.0f;
        startDate = usualStart;
    }
    if (!wanted("grown") && !wanted("paused"))
        return 0;
    // Careful, until it has grown twice (twelve meals), then Q; few games in a minute get
    // that far, so the game is begun at the date, of twenty thousand, when it eats the most.
    const auto grown = [](PlayableTank& tank, int)
    {
        if (tank.world.player.eatenCount >= 12)
            tank.keyboard.press(OIS::KC_Q);
        return !tank.world.player.alive;
    };
    if (wanted("grown"))
    {
        findDate(startDate, 20000, grown);
        play(out + "/grown", true, grown);
    }
    if (!wanted("paused"))
        return 0;
    // Pauses and goes on, is resized, takes a screenshot, then quits.
    play(out + "/paused", true,
         [](PlayableTank& tank, int frame)
         {
             if (frame == 300 || frame == 420)
                 tank.keyboard.press(OIS::KC_P);
             if (frame == 500)
             {
                 tank.window.resize(800, 600);
                 tank.listener->windowResized(&tank.window);
             }
             if (frame == 600)
                 tank.keyboard.press(OIS::KC_SYSRQ);
             if (frame == 900)
                 tank.keyboard.press(OIS::KC_ESCAPE);
             return !tank.world.player.alive;
         });
    return 0;
}
