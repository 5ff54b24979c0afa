#include "game/Collision.h"

#include "rules/Collision.h"
#include "scene/FishVisuals.h"

bool fishesOverlap(Fish a, Fish b)
{
    return rectsTouch(fishRect(a), fishRect(b));
}
