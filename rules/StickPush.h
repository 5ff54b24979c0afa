#pragma once

// How far a stick must lean, as a share of the way, before it counts.
constexpr float kStickDeadZone = 0.25f;

// The share of the keys' full speed that a stick leaning (x, y) asks for along each axis
// (each -1 to 1; x right, y up): nothing inside a round dead zone, then growing evenly to
// full speed at the rim, in the direction the stick leans.
struct StickPush
{
    float x = 0;
    float y = 0;
};
StickPush stickPush(float x, float y);
