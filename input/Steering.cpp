// Player steering: a move is taken whole or not at all, and only when the fish's
// rectangle then lies strictly inside the tank.
#include "input/ExampleFrameListener.h"

#include "rules/TankBounds.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <OgreSceneNode.h>

void ExampleFrameListener::steerPlayer()
{
    Rect moved = fishRect(*player);
    moved.x += translation.x;
    moved.y += translation.y;
    if (liesStrictlyInside(moved, panelRect(*background)))
        player->node->setPosition(player->node->getPosition() + translation);
}
