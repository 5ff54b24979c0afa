#include "game/ReplayRecords.h"

#include <cmath>
#include <cstdio>

bool keepableFrameTime(float dt)
{
    return std::isfinite(dt) && dt >= 0 && dt <= kMaxFrameSeconds;
}

const char* gameEndText(GameEnd end)
{
    switch (end)
    {
    case GameEnd::BiggerFish:
        return "bigger fish";
    case GameEnd::Shark:
        return "shark";
    case GameEnd::Hook:
        return "hook";
    case GameEnd::Quit:
        break;
    }
    return "quit";
}

std::string checkText(const ReplayCheck& check)
{
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(check.hash));
    return "score " + std::to_string(check.score) + ", " + std::to_string(check.meals) +
           " meals, " + std::to_string(check.fishCount) + " fish (check " + hash + ")";
}
