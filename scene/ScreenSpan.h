#pragma once

// A run of whole pixel columns [first, end) of a picture; empty when end <= first.
struct PixelSpan
{
    int first = 0;
    int end = 0;
};

// The pixel columns of a picture `width` pixels wide that lie between two positions given
// in the renderer's normalised device coordinates (-1 is the left edge, +1 the right),
// rounded to the nearest column edge and kept inside the picture.
PixelSpan columnsBetween(float leftNdc, float rightNdc, int width);
