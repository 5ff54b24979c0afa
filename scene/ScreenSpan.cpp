#include "scene/ScreenSpan.h"

#include <algorithm>
#include <cmath>

namespace
{
int columnEdge(float ndc, int width)
{
    const float column = std::round((ndc * 0.5f + 0.5f) * float(width));
    return int(std::clamp(column, 0.0f, float(width)));
}
} // namespace

PixelSpan columnsBetween(float leftNdc, float rightNdc, int width)
{
    PixelSpan span;
    span.first = columnEdge(leftNdc, width);
    span.end = std::max(span.first, columnEdge(rightNdc, width));
    return span;
}
