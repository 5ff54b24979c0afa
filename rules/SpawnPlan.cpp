#include "rules/SpawnPlan.h"

#include "platform/Dice.h"
#include "rules/GameTuning.h"

#include <stdexcept>

namespace
{
const char* const kKindNames[] = {"ZorvFish",  "RedFish",    "YellowFish",
                                  "GreenFish", "PurpleFish", "SharkFish"};
constexpr int kKindCount = 6;
constexpr int kSharkKind = 5;
const int kFishSizes[] = {28, 40, 60, 80, 100, 160, 200};
constexpr int kSizeCount = 7;
} // namespace

SpawnPlan planSpawn(Dice& dice, const Rect& tank)
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
        plan.x = int(tank.x - float(plan.size));
        plan.direction = 1;
    }
    else
    {
        plan.x = int(tank.x + tank.width);
        plan.direction = -1;
    }

    const int room = int(tank.height) - plan.height;
    if (room <= 0)
        throw std::invalid_argument("The tank is " + std::to_string(int(tank.height)) +
                                    " high, too low for a fish " + std::to_string(plan.height) +
                                    " high");
    plan.y = int(tank.y + float(dice.roll() % room));

    plan.leftMaterial = std::string("Examples/") + kKindNames[plan.kind];
    plan.rightMaterial = plan.leftMaterial + "Right";
    return plan;
}
