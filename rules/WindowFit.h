#pragma once

// A window's or a screen area's size in pixels.
struct PixelSize
{
    unsigned width = 0;
    unsigned height = 0;
};

// The window to make for one asked for: as asked where it fits in the usable area, else the
// largest window of the same shape that does (never smaller than 1 x 1).
PixelSize fittedWindow(PixelSize asked, PixelSize usable);
