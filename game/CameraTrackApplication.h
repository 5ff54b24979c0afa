#pragma once

#include "app/ExampleApplication.h"
#include "game/Fish.h"
#include "game/Panel.h"

#include <OgreBillboardSet.h>

#include <vector>

// The fish-tank game: holds the player's fish, the tank's panels, the hook and every
// other fish, builds the tank once, and wires the game's frame listener to them.
class CameraTrackApplication : public ExampleApplication
{
public:
    CameraTrackApplication();
    ~CameraTrackApplication() override;

    void makeFrameListener() override;
    void buildScene() override;

protected:
    Fish player;
    Panel background;
    std::vector<Fish> fishes;
    Panel leftSide;
    Panel rightSide;
    Ogre::SceneNode* hookNode = nullptr;
};

// Makes one flat rectangle of the tank: a node under the scene root carrying a billboard
// set with a single white billboard of the given size, origin and material.
Panel makePanel(Ogre::SceneManager* sceneManager, const char* setName, const char* material,
                int width, int height, Ogre::BillboardOrigin origin);
