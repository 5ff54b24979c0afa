#include "game/Spawner.h"

#include "game/Dice.h"
#include "game/Fish.h"
#include "game/GameTuning.h"
#include "game/Panel.h"

#include <OgreException.h>
#include <OgreSceneNode.h>

namespace
{
const char* const kKindNames[] = {"ZorvFish",  "RedFish",    "YellowFish",
                                  "GreenFish", "PurpleFish", "SharkFish"};
constexpr int kKindCount = 6;
constexpr int kSharkKind = 5;
const int kFishSizes[] = {28, 40, 60, 80, 100, 160, 200};
constexpr int kSizeCount = 7;
} // namespace

SpawnPlan planSpawn(Dice& dice, const Ogre::Vector3& tankCorner, int tankWidth, int tankHeight)
{
    dice.reseedFromClock();
    SpawnPlan plan;
    plan.kind = dice.roll() % kKindCount;
    plan.isShark = plan.kind == kSharkKind;
    plan.speed = dice.roll() % game_tuning::kSpeedSpread + game_tuning::kSpeedMin;
    const int side = dice.roll() % 2;
    plan.size = kFishSizes[dice.roll() % kSizeCount];
    if (plan.isShark)
        plan.size = game_tuning::kSharkSize;
    plan.height = plan.size / 4;

    if (side == 1)
    {
        plan.x = int(tankCorner.x - float(plan.size));
        plan.direction = 1;
    }
    else
    {
        plan.x = int(tankCorner.x + float(tankWidth));
        plan.direction = -1;
    }

    const int room = tankHeight - plan.height;
    if (room <= 0)
        OGRE_EXCEPT(Ogre::Exception::ERR_INVALIDPARAMS,
                    "The tank is " + std::to_string(tankHeight) + " high, too low for a fish " +
                        std::to_string(plan.height) + " high",
                    "spawnRandomFish");
    plan.y = int(tankCorner.y + float(dice.roll() % room));

    plan.leftMaterial = std::string("Examples/") + kKindNames[plan.kind];
    plan.rightMaterial = plan.leftMaterial + "Right";
    return plan;
}

void spawnRandomFish(Fish& fish, Ogre::SceneManager* sceneManager, Panel* tank, Dice& dice)
{
    const SpawnPlan plan = planSpawn(dice, tank->node->getPosition(), tank->width, tank->height);
    if (plan.isShark)
        fish.isShark = true;
    createFishVisuals(fish, plan.direction, plan.speed, sceneManager, tank, plan.leftMaterial,
                      plan.rightMaterial, plan.x, plan.y, plan.size, plan.height);
}
