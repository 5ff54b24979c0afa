#pragma once

#include <OgreVector.h>

struct Fish;

// True when the two fish rectangles overlap or share an edge or a corner.
bool fishesOverlap(Fish a, Fish b);

// True when the hook corner lies inside the fish's rectangle grown by the hook's reach
// (15 units) on every side, edges included.
bool hookReaches(const Ogre::Vector3& hookCorner, const Fish& fish);

// The arithmetic both tests share: centres no further apart on each axis than the reach.
bool withinReach(float dx, float dy, float reachX, float reachY);
