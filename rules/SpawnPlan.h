#pragma once

#include "rules/Rect.h"

#include <string>

class Dice;

// Everything the five draws decide about a new fish, before any engine object exists.
struct SpawnPlan
{
    int kind = 0; // index into the six kinds; 5 is the shark
    bool isShark = false;
    int speed = 0;
    int direction = 0; // +1 enters from the left, -1 from the right
    int size = 0;      // width
    int height = 0;    // size / 4
    int x = 0;
    int y = 0;
    std::string leftMaterial;
    std::string rightMaterial;
};

// Reseeds the dice from the clock and draws kind, speed, side, size and height, in that
// order, for the tank's rectangle: the fish starts just outside its left or right edge,
// wholly within its height. Throws std::invalid_argument when the tank is too low for it.
SpawnPlan planSpawn(Dice& dice, const Rect& tank);
