#pragma once

#include "rules/Fish.h"
#include "rules/Panel.h"

#include <OgrePrerequisites.h>

#include <memory>
#include <vector>

class CameraTrackListener;
class Dice;
class InputSystem;
class Platform;

// The game's records of the tank: the player's fish, the backdrop that is the tank, every
// other fish in order of arrival, the two black side panels and the hook's node. The
// scene manager owns what they point to.
struct TankRecords
{
    TankRecords();

    Fish player;
    Panel background;
    std::vector<Fish> fishes;
    Panel leftSide;
    Panel rightSide;
    Ogre::SceneNode* hookNode = nullptr;
};

// Builds the tank into the records: white light, the hook parked out of view, the ocean
// backdrop at the origin, the side panels, the player's fish at its start place, and the
// camera's node hung over the middle of the tank looking along -z.
void buildTank(Ogre::SceneManager* sceneManager, Ogre::Camera* camera, TankRecords& tank);

// Puts the player's fish back at its start place and size, facing left.
void placePlayerAtStart(Fish& player);

// The game's frame listener on the given input, wired to the tank's records.
std::unique_ptr<CameraTrackListener> makeTankListener(Ogre::RenderWindow* window,
                                                      Ogre::Camera* camera, TankRecords& tank,
                                                      std::unique_ptr<InputSystem> input,
                                                      Platform& platform, Dice& dice);
