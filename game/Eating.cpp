#include "game/Eating.h"

#include "rules/Fish.h"
#include "rules/GameTuning.h"
#include "rules/Growth.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <OgreSceneNode.h>

void eatFish(Fish& player, Fish eaten)
{
    destroyFishVisuals(eaten);
    player.eatenCount += 1;
    player.score = int(double(player.score) + double(eaten.width));
    if (!growsAfterMeal(player.eatenCount, player.width))
        return;

    using game_tuning::kGrowthFactor;
    player.node->scale(kGrowthFactor, kGrowthFactor, 1);
    player.width = grown(player.width);
    player.height = grown(player.height);
    const Rect inside = keptInside(fishRect(player), panelRect(*player.tank));
    const Ogre::Vector3& position = player.node->getPosition();
    player.node->setPosition(inside.x, inside.y, position.z);
}
