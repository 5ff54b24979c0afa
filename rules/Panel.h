#pragma once

#include <OgrePrerequisites.h>

// One textured rectangle of the tank: the ocean backdrop or a black side panel. The scene
// manager owns what it points to. The backdrop's node position and size are the tank.
struct Panel
{
    Ogre::SceneNode* node = nullptr;
    Ogre::BillboardSet* set = nullptr;
    Ogre::Billboard* billboard = nullptr;
    int width = 0;
    int height = 0;
};
