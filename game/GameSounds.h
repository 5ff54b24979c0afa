#pragma once

#include <string>

class Platform;

// The game's two sounds, which the player can switch off and on again (M).
class GameSounds
{
public:
    explicit GameSounds(Platform& platform_) : platform(platform_) {}

    // Starts the sound unless the sounds are off.
    void play(const std::string& path);
    void switchOnOrOff() { on = !on; }
    bool isOn() const { return on; }

private:
    Platform& platform;
    bool on = true;
};
