#pragma once

#include <OgrePrerequisites.h>

class Dice;
struct Fish;
struct Panel;

// Fills a reset fish record with a random fish just outside the tank's left or right edge.
void spawnRandomFish(Fish& fish, Ogre::SceneManager* sceneManager, Panel* tank, Dice& dice);
