#pragma once

struct Fish;

// The player eats another fish: the eaten fish leaves the scene, the score grows by its
// width, and every sixth meal the player grows 10 % while narrower than 210, then is
// pushed back inside the tank's right and top edges.
void eatFish(Fish& player, Fish eaten);
