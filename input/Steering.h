#pragma once

// A rectangle by its bottom-left corner and size, world units.
struct Rect
{
    float x;
    float y;
    float width;
    float height;
};

// True when the inner rectangle lies strictly inside the outer one: touching an edge
// counts as outside. Edges are tested left, right, bottom, top.
bool liesStrictlyInside(const Rect& inner, const Rect& outer);
