#include "platform/DesktopPlatform.h"

#include "platform/ErrorBox.h"
#include "platform/SoundPath.h"

#include <chrono>
#include <thread>

void DesktopPlatform::sleepMilliseconds(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void DesktopPlatform::playSound(const std::string& path)
{
    sounds.play(soundPathOnDisk(path));
}

void DesktopPlatform::preloadSound(const std::string& path)
{
    sounds.preload(soundPathOnDisk(path));
}

void DesktopPlatform::showError(const std::string& caption, const std::string& text)
{
    showErrorBox(caption, text);
}
