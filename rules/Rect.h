#pragma once

// A rectangle of the tank by its bottom-left corner and size, world units (x right, y up).
struct Rect
{
    float x;
    float y;
    float width;
    float height;
};

// A point of the tank, world units.
struct Point
{
    float x;
    float y;
};

inline float centreX(const Rect& rect)
{
    return rect.x + rect.width * 0.5f;
}

inline float centreY(const Rect& rect)
{
    return rect.y + rect.height * 0.5f;
}
