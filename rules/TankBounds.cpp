#include "rules/TankBounds.h"

bool liesStrictlyInside(const Rect& inner, const Rect& outer)
{
    return inner.x > outer.x && inner.x + inner.width < outer.x + outer.width &&
           inner.y > outer.y && inner.y + inner.height < outer.y + outer.height;
}

bool hasLeftTank(const Rect& fish, const Rect& tank)
{
    return !(fish.x <= tank.x + tank.width && fish.x + fish.width >= tank.x);
}
