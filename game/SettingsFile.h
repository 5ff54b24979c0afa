#pragma once

#include "rules/Settings.h"

class Platform;

// The player's lasting choices (sound, cues, full screen), kept in settings.cfg in the
// game's working folder: read at start, each line it cannot use logged and passed over,
// and written whole, never half, whenever a choice changes. A file that cannot be read or
// written is logged and the game goes on with the choices of this run.
class SettingsFile
{
public:
    explicit SettingsFile(Platform& platform);

    const GameSettings& choices() const { return current; }
    // Takes the new choices and saves them.
    void change(const GameSettings& choices);

private:
    Platform& platform;
    GameSettings current;
};

constexpr const char* kSettingsFile = "settings.cfg";
