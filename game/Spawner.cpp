#include "game/Spawner.h"

#include "rules/SpawnPlan.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

void spawnRandomFish(Fish& fish, Ogre::SceneManager* sceneManager, Panel* tank, Dice& dice)
{
    const SpawnPlan plan = planSpawn(dice, panelRect(*tank));
    if (plan.isShark)
        fish.isShark = true;
    createFishVisuals(fish, plan.direction, plan.speed, sceneManager, tank, plan.leftMaterial,
                      plan.rightMaterial, plan.x, plan.y, plan.size, plan.height);
}
