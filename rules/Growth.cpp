#include "rules/Growth.h"

#include "rules/GameTuning.h"

using namespace game_tuning;

namespace
{
// How far an edge has passed its limit, truncated toward zero (0.6 past counts as 0).
int overshoot(float edge, float limit)
{
    return int(edge - limit);
}
} // namespace

bool playerCanEat(float playerWidth, float otherWidth, bool otherIsShark)
{
    return otherWidth < playerWidth && !otherIsShark;
}

bool growsAfterMeal(int eatenCount, float width)
{
    return eatenCount % kMealsPerGrowth == 0 && width < kGrowthLimit;
}

float grown(float size)
{
    return size * kGrowthFactor;
}

Rect keptInside(Rect fish, const Rect& tank)
{
    const int right = overshoot(float(fish.x + fish.width), tank.x + tank.width);
    if (right > 0)
        fish.x -= float(right + kPushBackMargin);
    const int top = overshoot(float(fish.y + fish.height), tank.y + tank.height);
    if (top > 0)
        fish.y -= float(top + kPushBackMargin);
    return fish;
}
