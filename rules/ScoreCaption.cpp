#include "rules/ScoreCaption.h"

#include "rules/GameTuning.h"

std::string scoreCaption(int score, int eatenCount)
{
    const int toEat = game_tuning::kMealsPerGrowth - eatenCount % game_tuning::kMealsPerGrowth;
    return "SCORE: " + std::to_string(score) + "   Fish To Eat: " + std::to_string(toEat);
}
