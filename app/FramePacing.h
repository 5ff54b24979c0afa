#pragma once

// How long the render loop rests after a frame, so that the game burns no CPU for nothing:
// a window that cannot be seen (minimised, hidden) draws nothing and rests between input
// reads; a paused game draws at most 30 frames a second; a game in play does not rest.
struct FramePacing
{
    static constexpr double kHiddenRestSeconds = 0.025; // 40 input reads a second
    static constexpr double kPausedFrameSeconds = 1.0 / 30;
};

// Seconds to rest after a frame that took `frameSeconds` to make.
double restAfterFrame(bool windowVisible, bool paused, double frameSeconds);
