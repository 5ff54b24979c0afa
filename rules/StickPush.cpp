#include "rules/StickPush.h"

#include <algorithm>
#include <cmath>

StickPush stickPush(float x, float y)
{
    const float lean = std::hypot(x, y);
    if (lean <= kStickDeadZone)
        return StickPush{};
    const float share = (std::min(lean, 1.0f) - kStickDeadZone) / (1.0f - kStickDeadZone);
    return StickPush{x / lean * share, y / lean * share};
}
