#pragma once

#include <cstdint>

// What the player asks of the game, whatever key asks it. Replays keep a frame's actions by
// these numbers, so a number is never changed or given to another action.
enum class Action : std::uint8_t
{
    Pause = 0,
    Controls = 1,   // the list of controls (F1)
    Sound = 2,      // sounds off or on (M)
    Marks = 3,      // the marks over the fish (H)
    NewGame = 4,    // after GAME OVER (Return)
    Alt = 5,        // held with a new-game key: full screen instead (Alt+Return)
    FullScreen = 6, // F11
    SwimLeft = 7,
    SwimRight = 8,
    SwimUp = 9,
    SwimDown = 10,
    ScoreLine = 11,   // hide or show the score line (F)
    Filtering = 12,   // the next texture filtering (T)
    DrawingMode = 13, // the next polygon mode (R)
    Screenshot = 14,  // SysRq
    Quit = 15,
};
constexpr int kActionCount = 16;

// The action that undoes this one's movement (left and right, up and down); the action
// itself for the others.
Action oppositeSwim(Action action);
