#pragma once

#include "rules/Rect.h"

// True when touching the other fish feeds the player: it is strictly narrower and no
// shark. Anything else that touches the player ends the game.
bool playerCanEat(float playerWidth, float otherWidth, bool otherIsShark);

// True when the meal just counted makes the player grow: every sixth meal, while the
// player is narrower than 210.
bool growsAfterMeal(int eatenCount, float width);

// The size after one growth step, as a 32-bit float.
float grown(float size);

// Where a grown fish goes so that its right and top edges are back inside the tank: an
// edge past the tank's by a truncated overshoot above 0 moves back by it plus 5. Growing
// keeps the bottom-left corner, so the left and bottom edges are not tested.
Rect keptInside(Rect fish, const Rect& tank);
