#pragma once

#include "platform/Platform.h"
#include "platform/SoundPlayer.h"

// The real desktop: a thread sleep, SDL audio, SDL's message box, files in the working
// folder and the X server's focus.
class DesktopPlatform : public Platform
{
public:
    void sleepMilliseconds(int milliseconds) override;
    void playSound(const std::string& path) override;
    std::string preloadSound(const std::string& path) override;
    void showError(const std::string& caption, const std::string& text) override;
    bool readGameFile(const std::string& name, std::string& text, std::string& error) override;
    bool writeGameFile(const std::string& name, const std::string& text,
                       std::string& error) override;
    bool gameFileExists(const std::string& name) override;
    bool renameGameFile(const std::string& from, const std::string& to,
                        std::string& error) override;
    bool removeGameFile(const std::string& name) override;
    WindowFocus focusOf(void* display, unsigned long window) override;
    bool screenSize(void* display, unsigned long window, unsigned& width,
                    unsigned& height) override;

private:
    SoundPlayer sounds;
};
