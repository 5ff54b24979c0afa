#pragma once

#include "app/Platform.h"
#include "app/SoundPlayer.h"

// The real desktop: a thread sleep and SDL audio.
class DesktopPlatform : public Platform
{
public:
    void sleepMilliseconds(int milliseconds) override;
    void playSound(const std::string& path) override;
    void preloadSound(const std::string& path) override;

private:
    SoundPlayer sounds;
};

// The one desktop the game's listeners use unless a test hands them another.
Platform& desktopPlatform();
