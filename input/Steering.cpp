// Player steering: a move is taken whole or not at all, and only when the fish's
// rectangle then lies strictly inside the tank.
#include "input/Steering.h"

#include "game/Fish.h"
#include "game/Panel.h"
#include "input/ExampleFrameListener.h"

#include <OgreSceneNode.h>

bool liesStrictlyInside(const Rect& inner, const Rect& outer)
{
    return inner.x > outer.x && inner.x + inner.width < outer.x + outer.width &&
           inner.y > outer.y && inner.y + inner.height < outer.y + outer.height;
}

void ExampleFrameListener::steerPlayer()
{
    const Ogre::Vector3& p = player->node->getPosition();
    const Ogre::Vector3& b = background->node->getPosition();
    const Rect moved{p.x + translation.x, p.y + translation.y, player->width, player->height};
    const Rect tank{b.x, b.y, float(background->width), float(background->height)};
    if (liesStrictlyInside(moved, tank))
        player->node->setPosition(p + translation);
}
