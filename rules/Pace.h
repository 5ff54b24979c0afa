#pragma once

#include <string>

// The game speeds a player may choose, in per cent of real time.
constexpr int kPaces[] = {50, 75, 100};

// The share of real time the tank's time runs at: a pace the game does not offer plays at
// full speed.
float paceShare(int percent);
// The pace in per cent, as the settings and replays keep it.
int pacePercent(float share);
// What the HUD says of the pace: "SPEED 75%"; nothing at full speed.
std::string paceCaption(int percent);
