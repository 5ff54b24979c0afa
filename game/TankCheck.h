#pragma once

#include "game/ReplayRecords.h"
#include "rules/Fish.h"

#include <vector>

// The tank's state as a recorded game checks it: a hash of the player's rectangle and of
// every other fish's kind and rectangle, with the score, the meals and the count of fish.
ReplayCheck tankCheck(const Fish& player, const std::vector<Fish>& fishes);
