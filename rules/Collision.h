#pragma once

#include "rules/Rect.h"

// True when the two rectangles overlap or share an edge or a corner; the order of the two
// does not matter.
bool rectsTouch(const Rect& a, const Rect& b);

// True when the hook's corner lies inside the fish's rectangle grown by the hook's reach
// (15 units) on every side, edges included.
bool hookReaches(const Point& hookCorner, const Rect& fish);
