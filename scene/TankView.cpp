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
