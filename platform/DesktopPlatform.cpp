#include "platform/DesktopPlatform.h"

#include "platform/DesktopCheck.h"
#include "platform/ErrorBox.h"
#include "platform/SafeFile.h"
#include "platform/SoundPath.h"
#include "platform/XFocus.h"

#include <chrono>
#include <filesystem>
#include <thread>

void DesktopPlatform::sleepMilliseconds(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void DesktopPlatform::playSound(const std::string& path)
{
    sounds.play(soundPathOnDisk(path));
}

std::string DesktopPlatform::preloadSound(const std::string& path)
{
    return sounds.preload(soundPathOnDisk(path));
}

void DesktopPlatform::showError(const std::string& caption, const std::string& text)
{
    showErrorBox(caption, text);
}

bool DesktopPlatform::readGameFile(const std::string& name, std::string& text, std::string& error)
{
    constexpr std::size_t kLargestGameFile = 4096;
    return readSmallFile(name, kLargestGameFile, text, error);
}

bool DesktopPlatform::writeGameFile(const std::string& name, const std::string& text,
                                    std::string& error)
{
    return replaceFileWhole(name, text, error);
}

bool DesktopPlatform::gameFileExists(const std::string& name)
{
    std::error_code error;
    return std::filesystem::symlink_status(name, error).type() !=
           std::filesystem::file_type::not_found;
}

bool DesktopPlatform::renameGameFile(const std::string& from, const std::string& to,
                                     std::string& error)
{
    std::error_code failure;
    std::filesystem::rename(from, to, failure);
    if (failure)
        error = "cannot rename " + from + " to " + to + ": " + failure.message();
    return !failure;
}

bool DesktopPlatform::removeGameFile(const std::string& name)
{
    std::error_code failure;
    return std::filesystem::remove(name, failure);
}

WindowFocus DesktopPlatform::focusOf(void* display, unsigned long window)
{
    return xFocusOf(display, window);
}

bool DesktopPlatform::screenSize(void* display, unsigned long window, unsigned& width,
                                 unsigned& height)
{
    return xScreenSize(display, window, width, height);
}
