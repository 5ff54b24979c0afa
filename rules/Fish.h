#pragma once

#include <OgrePrerequisites.h>
#include <OgreVector.h>

struct Panel;

// One fish, the player's or another: a plain record that is copied whole. It points at
// the engine objects that draw it (the scene manager owns them) and owns none of them.
// The fish's rectangle has its bottom-left corner at node's position.
struct Fish
{
    bool alive = false;
    bool isShark = false;
    Ogre::SceneNode* node = nullptr;
    Ogre::SceneNode* leftNode = nullptr;  // carries the left-facing picture
    Ogre::SceneNode* rightNode = nullptr; // carries the right-facing picture
    Ogre::BillboardSet* leftSet = nullptr;
    Ogre::Billboard* leftBillboard = nullptr;
    Ogre::BillboardSet* rightSet = nullptr;
    Ogre::Billboard* rightBillboard = nullptr;
    Ogre::SceneManager* sceneManager = nullptr;
    Panel* tank = nullptr;
    int score = 0;
    float width = 0;
    float height = 0;
    int speed = 0;     // world units per second along x
    int direction = 0; // -1 left, +1 right, 0 the player at the start (faces left)
    int eatenCount = 0;
};

// Alive, no shark, no score, nothing eaten; the rest of the record is left as it was.
void resetFish(Fish& fish);

// Velocity along x: speed times direction.
Ogre::Vector3 fishVelocity(const Fish& fish);
