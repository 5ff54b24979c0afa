#include "platform/SandboxPlatform.h"

#include <iostream>

void SandboxPlatform::playSound(const std::string& path)
{
    if (real != nullptr)
        real->playSound(path);
}

std::string SandboxPlatform::preloadSound(const std::string& path)
{
    return real != nullptr ? real->preloadSound(path) : "the game is checked without sound";
}

void SandboxPlatform::showError(const std::string& caption, const std::string& text)
{
    if (real != nullptr)
        real->showError(caption, text);
    else
        std::cerr << caption << "\n" << text << std::endl;
}

bool SandboxPlatform::readGameFile(const std::string& name, std::string& text, std::string& error)
{
    const auto found = files.find(name);
    if (found == files.end())
    {
        error = name + " is missing";
        return false;
    }
    text = found->second;
    return true;
}

bool SandboxPlatform::writeGameFile(const std::string& name, const std::string& text, std::string&)
{
    files[name] = text;
    return true;
}

bool SandboxPlatform::renameGameFile(const std::string& from, const std::string& to,
                                     std::string& error)
{
    const auto found = files.find(from);
    if (found == files.end())
    {
        error = from + " is missing";
        return false;
    }
    files[to] = found->second;
    files.erase(found);
    return true;
}

WindowFocus SandboxPlatform::focusOf(void* display, unsigned long window)
{
    return real != nullptr ? real->focusOf(display, window) : WindowFocus::Unknown;
}

bool SandboxPlatform::screenSize(void* display, unsigned long window, unsigned& width,
                                 unsigned& height)
{
    return real != nullptr && real->screenSize(display, window, width, height);
}
