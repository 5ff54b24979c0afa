#pragma once

#include "rules/Rect.h"

// True when the inner rectangle lies strictly inside the outer one: touching an edge
// counts as outside. Edges are tested left, right, bottom, top.
bool liesStrictlyInside(const Rect& inner, const Rect& outer);

// True when a fish at this rectangle has swum wholly past the tank's left or right edge
// (a fish whose edge is on the tank's edge is still in).
bool hasLeftTank(const Rect& fish, const Rect& tank);
