#pragma once

#include <string>
#include <vector>

// The player's choices that last from one game to the next, kept in settings.cfg.
struct GameSettings
{
    bool soundOn = true;     // M
    bool cuesShown = true;   // H: the marker over the player's fish and the cues under others
    bool fullScreen = false; // F11 or Alt+Return
    bool rumble = true;      // a gamepad's rumble on a meal and at GAME OVER
    int pacePercent = 100;   // the game speed: 50, 75 or 100 per cent of real time
};

// What a settings file said: the choices it holds (the defaults for the rest), and a line
// for each line it could not use, naming it.
struct SettingsRead
{
    GameSettings settings;
    std::vector<std::string> problems;
};

// Reads "key = value" lines ("sound = off"); blank lines and lines starting with # are
// passed over. Values are on/off (yes/no, true/false and 1/0 are taken too).
SettingsRead parseSettings(const std::string& text);

// The file's text for the choices, readable and in the form parseSettings reads.
std::string settingsText(const GameSettings& settings);
