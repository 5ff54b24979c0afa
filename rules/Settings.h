#pragma once

#include <string>
#include <vector>

// A "key.<action> = <keys>" line as the file gives it: the input layer knows the names.
struct KeyLine
{
    std::string action; // "pause"
    std::string keys;   // "P" or "Up, W"
    std::string where;  // the line, to name it in the log: line 3 "key.pause = P"
};

// The player's choices that last from one game to the next, kept in settings.cfg.
struct GameSettings
{
    bool soundOn = true;     // M
    bool cuesShown = true;   // H: the marker over the player's fish and the cues under others
    bool fullScreen = false; // F11 or Alt+Return
    bool rumble = true;      // a gamepad's rumble on a meal and at GAME OVER
    int pacePercent = 100;   // the game speed: 50, 75 or 100 per cent of real time (kPaces)
    // The keys the player chose, for the actions whose keys are not the usual ones.
    std::vector<KeyLine> keys;
    // The name the hall of fame gives the player's games; empty: the account's name.
    std::string playerName;
};

// What a settings file said: the choices it holds (the defaults for the rest), and a line
// for each line it could not use, naming it.
struct SettingsRead
{
    GameSettings settings;
    std::vector<std::string> problems;
};

// Reads "key = value" lines ("sound = off"); blank lines and lines starting with # are
// passed over. Values are on/off (yes/no, true/false and 1/0 are taken too); the pace is
// 50, 75 or 100 ("75%" too); the name is the rest of its line; key lines are kept as they are, for
// the input layer to read.
SettingsRead parseSettings(const std::string& text);

// The text without the spaces, tabs and carriage returns around it.
std::string trimmed(const std::string& text);

// The file's text for the choices, readable and in the form parseSettings reads.
std::string settingsText(const GameSettings& settings);
