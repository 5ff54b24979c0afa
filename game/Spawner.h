#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

#include <string>

class Dice;
struct Fish;
struct Panel;

// Everything the five draws decide about a new fish, before any engine object exists.
struct SpawnPlan
{
    int kind = 0; // index into the six kinds; 5 is the shark
    bool isShark = false;
    int speed = 0;
    int direction = 0; // +1 enters from the left, -1 from the right
    int size = 0;      // width
    int height = 0;    // size / 4
    int x = 0;
    int y = 0;
    std::string leftMaterial;
    std::string rightMaterial;
};

// Reseeds the dice from the clock and draws kind, speed, side, size and height, in that
// order, for a tank with its corner at tankCorner. Throws an engine error when the tank
// is too low for the fish.
SpawnPlan planSpawn(Dice& dice, const Ogre::Vector3& tankCorner, int tankWidth, int tankHeight);

// Fills a reset fish record with a random fish just outside the tank's left or right edge.
void spawnRandomFish(Fish& fish, Ogre::SceneManager* sceneManager, Panel* tank, Dice& dice);
