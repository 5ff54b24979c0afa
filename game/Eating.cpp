#include "game/Eating.h"

#include "game/Fish.h"
#include "game/GameTuning.h"
#include "game/Panel.h"

#include <OgreSceneNode.h>

int overshoot(float edge, float limit)
{
    return int(edge - limit);
}

float grown(float size)
{
    return size * game_tuning::kGrowthFactor;
}

namespace
{
void growAndKeepInside(Fish& player)
{
    using namespace game_tuning;
    player.node->scale(kGrowthFactor, kGrowthFactor, 1);
    player.width = grown(player.width);
    player.height = grown(player.height);

    // Growing keeps the bottom-left corner, so only the right and top edges can pass.
    const Ogre::Vector3& tank = player.tank->node->getPosition();
    Ogre::Vector3 position = player.node->getPosition();
    const int right =
        overshoot(float(position.x + player.width), tank.x + float(player.tank->width));
    if (right > 0)
    {
        position.x -= float(right + kPushBackMargin);
        player.node->setPosition(position);
    }
    const int top =
        overshoot(float(position.y + player.height), tank.y + float(player.tank->height));
    if (top > 0)
    {
        position.y -= float(top + kPushBackMargin);
        player.node->setPosition(position);
    }
}
} // namespace

void eatFish(Fish& player, Fish eaten)
{
    destroyFishVisuals(eaten);
    player.eatenCount += 1;
    player.score = int(double(player.score) + double(eaten.width));
    if (player.eatenCount % game_tuning::kMealsPerGrowth != 0)
        return;
    if (!(player.width < game_tuning::kGrowthLimit))
        return;
    growAndKeepInside(player);
}
