#include "rules/Fish.h"

void resetFish(Fish& fish)
{
    fish.alive = true;
    fish.isShark = false;
    fish.score = 0;
    fish.eatenCount = 0;
}

Ogre::Vector3 fishVelocity(const Fish& fish)
{
    return Ogre::Vector3(float(fish.speed * fish.direction), 0, 0);
}
