#include "app/RenderSettings.h"

#include "platform/SafeFile.h"

#include <Ogre.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace
{
// The fixed-function render system draws nothing with its pipeline switched off.
constexpr const char* kFixedPipeline = "Fixed Pipeline Enabled";
constexpr const char* kVideoMode = "Video Mode";
constexpr const char* kFullScreen = "Full Screen";
constexpr const char* kGammaConversion = "sRGB Gamma Conversion";
// The game's own window size, used whenever the saved one cannot be.
constexpr const char* kGameWindowSize = "1024 x 768";

void logWarning(const std::string& text)
{
    Ogre::LogManager::getSingleton().logWarning(text);
}

bool offered(const Ogre::ConfigOption& option, const std::string& value)
{
    const Ogre::StringVector& values = option.possibleValues;
    return values.empty() || std::find(values.begin(), values.end(), value) != values.end();
}

// A window may have any size the screen can hold; a full screen only the modes offered.
bool usable(const Ogre::ConfigOption& option, const std::string& value, bool fullScreen)
{
    if (option.name == kVideoMode && !fullScreen)
        return isWindowSize(value);
    return offered(option, value);
}

bool fullScreenChosen(const Ogre::ConfigOptionMap& options)
{
    auto found = options.find(kFullScreen);
    return found != options.end() && found->second.currentValue == "Yes";
}

// What a value that cannot be used becomes: the game's own window size where it fits, else
// the render system's default.
std::string fallbackFor(const Ogre::ConfigOption& option, const Ogre::ConfigOption& fallback,
                        bool fullScreen)
{
    if (option.name == kVideoMode && !fullScreen)
    {
        const std::string screen = fallback.currentValue;
        if (isWindowSize(screen) && windowFits(kGameWindowSize, screen))
            return kGameWindowSize;
    }
    return fallback.currentValue;
}

// Puts back the default of every option whose saved value this render system does not offer.
void repairSettings(Ogre::RenderSystem& renderer, const Ogre::ConfigOptionMap& defaults,
                    const std::string& settingsFile)
{
    const Ogre::ConfigOptionMap current = renderer.getConfigOptions();
    const bool fullScreen = fullScreenChosen(current);
    for (const auto& [name, option] : current)
    {
        auto fallback = defaults.find(name);
        if (fallback == defaults.end())
            continue;
        std::string value = option.currentValue;
        if (!usable(option, value, fullScreen))
            value = fallbackFor(option, fallback->second, fullScreen);
        if (name == kFixedPipeline && offered(option, "Yes"))
            value = "Yes";
        if (value == option.currentValue)
            continue;
        logWarning(settingsFile + ": '" + name + "=" + option.currentValue +
                   "' does not work here; using '" + value + "' instead");
        renderer.setConfigOption(name, value);
    }
}
} // namespace

bool isWindowSize(const std::string& value)
{
    unsigned width = 0;
    unsigned height = 0;
    char x = 0;
    std::istringstream text(value);
    // The engine's own form: width, blank, "x", blank, height.
    if (!(text >> width) || text.get() != ' ' || !(text >> x) || x != 'x' || text.peek() != ' ' ||
        !(text >> height))
        return false;
    text >> std::ws;
    return text.eof() && width >= 1 && height >= 1 && width <= kLargestWindow &&
           height <= kLargestWindow;
}

PixelSize windowSizeOf(const std::string& value)
{
    PixelSize size;
    char x = 0;
    std::istringstream(value) >> size.width >> x >> size.height;
    return size;
}

bool windowFits(const std::string& window, const std::string& screen)
{
    const PixelSize asked = windowSizeOf(window), room = windowSizeOf(screen);
    return asked.width <= room.width && asked.height <= room.height;
}

void setRenderSettingsAside(const std::string& settingsFile, const std::string& reason)
{
    const std::string aside = settingsFile + ".rejected";
    if (std::rename(settingsFile.c_str(), aside.c_str()) == 0)
        logWarning("The saved render settings were set aside as " + aside + ": " + reason);
    else
        logWarning("The saved render settings in " + settingsFile + " could not be set aside (" +
                   std::strerror(errno) + "): " + reason);
}

void restoreRenderSettings(Ogre::Root& root, const std::string& settingsFile)
{
    if (root.getAvailableRenderers().empty())
        OGRE_EXCEPT(Ogre::Exception::ERR_RENDERINGAPI_ERROR,
                    "No render system could be loaded: the plug-in list (plugins.cfg) must name "
                    "RenderSystem_GL and the folder that holds it",
                    "restoreRenderSettings");
    Ogre::RenderSystem* first = root.getAvailableRenderers().front();
    root.setRenderSystem(first);
    const Ogre::ConfigOptionMap defaults = first->getConfigOptions();
    try
    {
        root.restoreConfig();
    }
    catch (const Ogre::Exception& error)
    {
        // Settings the engine rejects would stop every start until someone found the file.
        setRenderSettingsAside(settingsFile, error.getDescription());
        root.setRenderSystem(first);
    }
    if (root.getRenderSystem() == nullptr)
        root.setRenderSystem(first);
    if (root.getRenderSystem() == first)
        repairSettings(*first, defaults, settingsFile);
    keepColoursTrue(*root.getRenderSystem(), settingsFile);
}

void keepColoursTrue(Ogre::RenderSystem& renderer, const std::string& settingsFile)
{
    const Ogre::ConfigOptionMap& options = renderer.getConfigOptions();
    const auto gamma = options.find(kGammaConversion);
    if (gamma == options.end() || gamma->second.currentValue != "Yes")
        return;
    logWarning(settingsFile + ": '" + kGammaConversion +
               "=Yes' does not work here (the game's pictures are not kept as sRGB, so every "
               "colour would be washed out); using 'No' instead");
    renderer.setConfigOption(kGammaConversion, "No");
}

void saveRenderSettings(Ogre::Root& root, const std::string& settingsFile)
{
    // Written as the engine writes it, but whole and as the game's own file: a crash never
    // leaves half of it, and a link at its name is replaced, never written through. A file
    // the player made read-only is left as it is.
    std::ostringstream text;
    const Ogre::RenderSystem* active = root.getRenderSystem();
    text << "Render System=" << (active != nullptr ? active->getName() : "") << "\n";
    for (Ogre::RenderSystem* renderer : root.getAvailableRenderers())
    {
        text << "\n[" << renderer->getName() << "]\n";
        for (const auto& [name, option] : renderer->getConfigOptions())
            text << name << "=" << option.currentValue << "\n";
    }
    std::string error;
    if (access(settingsFile.c_str(), F_OK) == 0 && access(settingsFile.c_str(), W_OK) != 0)
        error = std::strerror(errno);
    else
        replaceFileWhole(settingsFile, text.str(), error);
    if (!error.empty())
        logWarning("The render settings could not be saved in " + settingsFile + " (" + error +
                   "); the game plays with them all the same");
}
