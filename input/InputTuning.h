#pragma once

// Tuning of the keyboard and mouse commands.
namespace input_tuning
{
constexpr float kMoveSpeed = 100.0f;         // world units per second from the keys
constexpr double kDragFactor = 0.13;         // world units per mouse count, right button held
constexpr int kPauseSleepMilliseconds = 250; // keeps one press from flipping pause twice
constexpr float kToggleDelay = 1.0f;         // seconds after F or T before the next toggle
constexpr float kScreenshotDelay = 0.5f;     // seconds after SysRq or R
constexpr unsigned kAnisotropicLevel = 8;
} // namespace input_tuning
