#pragma once

#include <OgreMath.h>

// The camera's vertical field of view that shows the whole tank, `tankWidth` wide and
// `tankHeight` high, from `distance` in front of it, in a picture of the given shape (width
// over height): 45 degrees, the game's own view, wherever the tank fits in it; wider where
// the picture is narrower or the tank taller, so that the tank is never cut and black bars
// fill the rest.
Ogre::Radian tankFieldOfView(float aspect, float tankWidth, float tankHeight, float distance);

// The field of view that shows the picture a window of shape `shownAspect` showed, whole
// and as large as fits, in a window of shape `windowAspect`: a watched game's recorded
// window inside the viewer's own.
Ogre::Radian shownFieldOfView(float windowAspect, float shownAspect, float tankWidth,
                              float tankHeight, float distance);
