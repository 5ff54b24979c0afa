#pragma once

#include "input/Bindings.h"
#include "rules/Settings.h"

class Platform;

// The player's lasting choices (sound, cues, full screen, pace, keys), kept in settings.cfg in the
// game's working folder: read at start, each line it cannot use logged and passed over,
// and written whole, never half, whenever a choice changes. A file that cannot be read or
// written is logged and the game goes on with the choices of this run.
class SettingsFile
{
public:
    explicit SettingsFile(Platform& platform);

    const GameSettings& choices() const { return current; }
    // The keys the file chose, the usual ones for every action it names no usable keys for.
    const Bindings& keys() const { return bindings; }
    // Takes the new choices and saves them.
    void change(const GameSettings& choices);
    // Takes the keys and the pace the player chose in the controls panel, and saves them.
    void changeKeys(const Bindings& keys, int pacePercent);

private:
    Platform& platform;
    GameSettings current;
    Bindings bindings = defaultBindings();
};

constexpr const char* kSettingsFile = "settings.cfg";
