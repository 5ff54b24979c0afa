#include "scene/TankView.h"

#include <algorithm>
#include <cmath>

Ogre::Radian tankFieldOfView(float aspect, float tankWidth, float tankHeight, float distance)
{
    const Ogre::Radian usual(Ogre::Degree(45));
    const float usualHeight = 2 * distance * std::tan(usual.valueRadians() / 2);
    const float needed = std::max({usualHeight, tankHeight, tankWidth / std::max(aspect, 0.01f)});
    return Ogre::Radian(2 * std::atan(needed / 2 / distance));
}

Ogre::Radian shownFieldOfView(float windowAspect, float shownAspect, float tankWidth,
                              float tankHeight, float distance)
{
    const Ogre::Radian shown = tankFieldOfView(shownAspect, tankWidth, tankHeight, distance);
    const float height = 2 * distance * std::tan(shown.valueRadians() / 2);
    const float needed = std::max(height, height * shownAspect / std::max(windowAspect, 0.01f));
    return Ogre::Radian(2 * std::atan(needed / 2 / distance));
}
