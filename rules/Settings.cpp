#include "rules/Settings.h"

#include "rules/Pace.h"

#include <sstream>

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

namespace
{

bool readSwitch(const std::string& value, bool& on)
{
    for (const char* yes : {"on", "yes", "true", "1"})
        if (value == yes)
        {
            on = true;
            return true;
        }
    for (const char* no : {"off", "no", "false", "0"})
        if (value == no)
        {
            on = false;
            return true;
        }
    return false;
}

bool readPace(std::string value, int& pace)
{
    if (!value.empty() && value.back() == '%')
        value = trimmed(value.substr(0, value.size() - 1));
    for (int known : kPaces)
        if (value == std::to_string(known))
        {
            pace = known;
            return true;
        }
    return false;
}

constexpr const char* kKeyPrefix = "key.";

const char* onOff(bool on)
{
    return on ? "on" : "off";
}
} // namespace

SettingsRead parseSettings(const std::string& text)
{
    SettingsRead read;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number)
    {
        const std::string content = trimmed(line);
        if (content.empty() || content[0] == '#')
            continue;
        const std::string where = "line " + std::to_string(number) + " \"" + content + "\": ";
        const auto equals = content.find('=');
        if (equals == std::string::npos)
        {
            read.problems.push_back(where + "not a \"key = value\" line");
            continue;
        }
        const std::string key = trimmed(content.substr(0, equals));
        const std::string value = trimmed(content.substr(equals + 1));
        if (key.rfind(kKeyPrefix, 0) == 0)
        {
            read.settings.keys.push_back({key.substr(std::string(kKeyPrefix).size()), value,
                                          where.substr(0, where.size() - 2)});
            continue;
        }
        if (key == "name")
        {
            read.settings.playerName = value;
            continue;
        }
        if (key == "pace")
        {
            if (!readPace(value, read.settings.pacePercent))
                read.problems.push_back(where + "the pace must be 50, 75 or 100");
            continue;
        }
        bool* setting = key == "sound" ? &read.settings.soundOn
                        // "cues" is what earlier versions wrote; the next save says "marks".
                        : key == "marks" || key == "cues" ? &read.settings.cuesShown
                        : key == "fullscreen"             ? &read.settings.fullScreen
                        : key == "rumble"                 ? &read.settings.rumble
                                                          : nullptr;
        if (setting == nullptr)
            read.problems.push_back(where + "no such setting");
        else if (!readSwitch(value, *setting))
            read.problems.push_back(where + "the value must be on or off");
    }
    return read;
}

std::string settingsText(const GameSettings& settings)
{
    std::string text = std::string("# fishtank's settings, kept from one game to the next\n") +
                       "sound = " + onOff(settings.soundOn) + "\n" +
                       "marks = " + onOff(settings.cuesShown) + "\n" +
                       "fullscreen = " + onOff(settings.fullScreen) + "\n" +
                       "rumble = " + onOff(settings.rumble) + "\n";
    text += "pace = " + std::to_string(settings.pacePercent) + "\n";
    if (!settings.playerName.empty())
        text += "name = " + settings.playerName + "\n";
    for (const KeyLine& line : settings.keys)
        text += kKeyPrefix + line.action + " = " + line.keys + "\n";
    return text;
}
