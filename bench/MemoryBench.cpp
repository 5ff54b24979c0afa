// Resident memory of a long game, window-less: one minute, then one hour of play at 60
// frames a second, a fish arriving every second and leaving or being eaten.
#include "support/EngineFixture.h"

#include <fstream>
#include <iostream>
#include <string>

namespace
{
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
} // namespace

int main()
{
    SteadyDice dice(7);
    PlayableTank tank(&dice);
    long afterMinute = 0;
    for (int minute = 1; minute <= 60; ++minute)
    {
        for (int i = 0; i < 60 * 60; ++i)
        {
            tank.frame(1.0f / 60);
            tank.platform.sounds.clear(); // the recorder is the bench's, not the game's
        }
        if (minute == 1)
            afterMinute = residentKiB();
    }
    const long afterHour = residentKiB();
    std::cout << "resident_after_1_minute_KiB " << afterMinute << "\n"
              << "resident_after_1_hour_KiB " << afterHour << "\n"
              << "growth_KiB " << afterHour - afterMinute << "\n"
              << "fish_in_tank " << tank.world.fishes.size() << "\n"
              << "scene_nodes " << tank.engine.sceneNodeCount() << "\n";
    return afterHour - afterMinute < 1024 ? 0 : 1;
}
