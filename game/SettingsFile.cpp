#include "game/SettingsFile.h"

#include "input/KeySettings.h"
#include "platform/Platform.h"

#include <OgreLogManager.h>

namespace
{
void log(const std::string& text)
{
    Ogre::LogManager::getSingleton().logMessage(text);
}
} // namespace

SettingsFile::SettingsFile(Platform& platform_) : platform(platform_)
{
    std::string text;
    std::string error;
    if (!platform.readGameFile(kSettingsFile, text, error))
    {
        log("Settings as the game starts them: " + error);
        return;
    }
    const SettingsRead read = parseSettings(text);
    current = read.settings;
    const KeysRead keys = bindingsFromLines(current.keys);
    bindings = keys.bindings;
    current.keys = keyLinesFor(bindings);
    for (const auto* problems : {&read.problems, &keys.problems})
        for (const std::string& problem : *problems)
            log(std::string(kSettingsFile) + ", passed over: " + problem);
    log(std::string("Settings read from ") + kSettingsFile);
}

void SettingsFile::change(const GameSettings& choices)
{
    current = choices;
    std::string error;
    if (!platform.writeGameFile(kSettingsFile, settingsText(current), error))
        log("Settings could not be saved: " + error);
}

void SettingsFile::changeKeys(const Bindings& keys, int pacePercent)
{
    bindings = keys;
    GameSettings chosen = current;
    chosen.keys = keyLinesFor(keys);
    chosen.pacePercent = pacePercent;
    change(chosen);
}
