#pragma once

struct Fish;

// How far an edge has passed its limit, truncated toward zero (0.6 past counts as 0).
int overshoot(float edge, float limit);

// The size after one growth step, as a 32-bit float.
float grown(float size);

// The player eats another fish: the eaten fish leaves the scene, the score grows by its
// width, and every sixth meal the player grows 10 % while narrower than 210, then is
// pushed back inside the tank's right and top edges.
void eatFish(Fish& player, Fish eaten);
