#pragma once

// Tuning of the tank and its rules, in world units and seconds.
namespace game_tuning
{
// Tank scene.
constexpr int kTankWidth = 500;
constexpr int kTankHeight = 400;
constexpr int kHookWidth = 15;
constexpr int kHookHeight = 300;
constexpr float kHookParkX = 1000, kHookParkY = 1000, kHookDepth = 2;
constexpr float kSidePanelDepth = 3;
constexpr float kCameraDistance = 500; // in front of the tank, looking at its middle
constexpr float kLightX = 20, kLightY = 80, kLightZ = 50;

// The player's fish at the start.
constexpr int kPlayerStartX = 200, kPlayerStartY = 300;
constexpr int kPlayerStartWidth = 40, kPlayerStartHeight = 10;

// Where the player's fish goes when the game is lost: far out of every reach.
constexpr float kGoneX = -1000, kGoneY = -1000, kGoneZ = 1000;

// Timers.
constexpr float kFirstSpawnDelay = 3.0f;
constexpr float kSpawnInterval = 1.0f;
constexpr int kHookDelayMin = 5; // hook timer restarts at 5..19 whole seconds
constexpr int kHookDelaySpread = 15;

// Where a dropped hook's corner lands: x 40..339, y 200..349.
constexpr int kHookDropX = 40, kHookDropXSpread = 300;
constexpr int kHookDropY = 200, kHookDropYSpread = 150;

// Spawner.
constexpr int kSpeedMin = 20;
constexpr int kSpeedSpread = 150; // 20..169 units a second
constexpr int kSharkSize = 160;

// Collisions: the hook reaches 15 units around its corner.
constexpr float kHookReach = 15.0f;

// Eating and growth.
constexpr int kMealsPerGrowth = 6;
constexpr float kGrowthLimit = 210.0f;
constexpr float kGrowthFactor = 1.1f;
constexpr int kPushBackMargin = 5;

// A gamepad's rumble: a short weak pulse on a meal, a stronger one at GAME OVER.
constexpr float kMealRumble = 0.3f;
constexpr int kMealRumbleMilliseconds = 120;
constexpr float kGameOverRumble = 0.9f;
constexpr int kGameOverRumbleMilliseconds = 450;

// Sounds, named as the game has always named them.
constexpr const char* kGulpSound = ".\\resources\\gulp.wav";
constexpr const char* kBooSound = ".\\resources\\boo.wav";
} // namespace game_tuning
