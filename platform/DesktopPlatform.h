#pragma once

#include "platform/Platform.h"
#include "platform/SoundPlayer.h"

// The real desktop: a thread sleep, SDL audio and SDL's message box.
class DesktopPlatform : public Platform
{
public:
    void sleepMilliseconds(int milliseconds) override;
    void playSound(const std::string& path) override;
    void preloadSound(const std::string& path) override;
    void showError(const std::string& caption, const std::string& text) override;

private:
    SoundPlayer sounds;
};
