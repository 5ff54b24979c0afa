#pragma once

struct Fish;

// True when the two fish rectangles overlap or share an edge or a corner.
bool fishesOverlap(Fish a, Fish b);
