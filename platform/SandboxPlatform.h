#pragma once

#include "platform/Platform.h"

#include <map>
#include <string>

// The desktop as a recorded game played again sees it: the game's own files live in memory
// (filled from the recording), so that nothing on the disk changes; sleeps are skipped, as
// playback keeps its own time; sounds, errors, the focus and the screen go to the real
// platform when there is one, and are quiet or unknown when there is none.
class SandboxPlatform : public Platform
{
public:
    explicit SandboxPlatform(Platform* realPlatform = nullptr) : real(realPlatform) {}

    void sleepMilliseconds(int) override {}
    void playSound(const std::string& path) override;
    std::string preloadSound(const std::string& path) override;
    void showError(const std::string& caption, const std::string& text) override;
    bool readGameFile(const std::string& name, std::string& text, std::string& error) override;
    bool writeGameFile(const std::string& name, const std::string& text,
                       std::string& error) override;
    bool gameFileExists(const std::string& name) override { return files.count(name) != 0; }
    bool renameGameFile(const std::string& from, const std::string& to,
                        std::string& error) override;
    bool removeGameFile(const std::string& name) override { return files.erase(name) != 0; }
    WindowFocus focusOf(void* display, unsigned long window) override;
    bool screenSize(void* display, unsigned long window, unsigned& width,
                    unsigned& height) override;

    std::map<std::string, std::string> files;

private:
    Platform* real;
};
