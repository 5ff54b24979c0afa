#include "rules/Collision.h"

#include "rules/GameTuning.h"

#include <cmath>

namespace
{
// Centres no further apart on each axis than the reach.
bool withinReach(float dx, float dy, float reachX, float reachY)
{
    return std::fabs(dy) <= reachY && std::fabs(dx) <= reachX;
}
} // namespace

bool rectsTouch(const Rect& a, const Rect& b)
{
    const float halfHeights = b.height * 0.5f + a.height * 0.5f;
    const float halfWidths = b.width * 0.5f + a.width * 0.5f;
    return withinReach(centreX(a) - centreX(b), centreY(a) - centreY(b), halfWidths, halfHeights);
}

bool hookReaches(const Point& hookCorner, const Rect& fish)
{
    const float reachX = fish.width * 0.5f + game_tuning::kHookReach;
    const float reachY = fish.height * 0.5f + game_tuning::kHookReach;
    return withinReach(centreX(fish) - hookCorner.x, centreY(fish) - hookCorner.y, reachX, reachY);
}
