#pragma once

#include "platform/Dice.h"

#include <deque>

// Dice that give the draws the test wrote down, in order.
class ScriptedDice : public Dice
{
public:
    ScriptedDice() = default;
    explicit ScriptedDice(std::deque<int> draws_) : draws(std::move(draws_)) {}
    void reseedFromClock() override { ++reseeds; }
    int roll() override;

    // When the script runs out, every further draw is this value.
    int fallback = 0;
    std::deque<int> draws;
    int reseeds = 0;
    int rolls = 0;
};

// A fixed pseudo-random sequence, so a long game plays the same on every run.
class SteadyDice : public Dice
{
public:
    explicit SteadyDice(unsigned seed = 1) : state(seed) {}
    void reseedFromClock() override {}
    int roll() override;

private:
    unsigned state;
};
