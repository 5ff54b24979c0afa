#pragma once

#include "input/Bindings.h"
#include "input/KeyChooser.h"
#include "input/KeyPresses.h"

#include <memory>
#include <string>
#include <vector>

class Hud;
class SettingsFile;
struct FrameInput;

// The controls panel (F1) as the player uses it: while it shows, the keys pressed move about
// it and choose keys and the game speed, and ask for nothing else but the panel's own key
// and Escape and Q, which quit; every choice is saved at once.
class ControlsPanel
{
public:
    // The panel opens on these keys and pace (and a row for the last game, when one is there
    // to watch), or closes; either way the HUD lists the keys.
    void open(Hud& hud, const Bindings& keys, int pacePercent, bool lastGameThere);
    void close(Hud& hud, const Bindings& keys, int pacePercent);
    // One frame of the live keyboard: a choice changes `bindings` and is saved; while the
    // panel shows, the frame's actions keep only what asks for more than the panel. True when
    // the player asked to watch the last game.
    bool frame(const OIS::Keyboard& keyboard, Bindings& bindings, SettingsFile& settings,
               FrameInput& input, Hud& hud);

    // The keys down now were pressed before (while a game was watched inside this one).
    void skipHeldKeys(const OIS::Keyboard& keyboard) { keyPresses.read(keyboard); }
    // Why the last game cannot be watched, said on the panel until the next key.
    void refuse(Hud& hud, const std::string& why);

private:
    void show(Hud& hud);

    KeyPresses keyPresses; // keys going down on the live keyboard, read while the panel shows
    bool justOpened = false;
    std::unique_ptr<KeyChooser> chooser; // while the panel shows
    std::string said;                    // the panel's last row and prompt, as logged
};
