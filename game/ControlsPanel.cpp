#include "game/ControlsPanel.h"

#include "game/Hud.h"
#include "game/SettingsFile.h"
#include "input/FrameInput.h"

#include <OgreLogManager.h>

void ControlsPanel::open(Hud& hud, const Bindings& keys, int pacePercent, bool lastGameThere)
{
    chooser = std::make_unique<KeyChooser>(keys, pacePercent, lastGameThere);
    justOpened = true;
    said.clear();
    show(hud);
}

void ControlsPanel::close(Hud& hud, const Bindings& keys, int pacePercent)
{
    chooser.reset();
    hud.showControls(KeyChooser(keys, pacePercent).rows(), -1, "");
}

void ControlsPanel::refuse(Hud& hud, const std::string& why)
{
    if (!chooser)
        return;
    chooser->tell(why);
    show(hud);
}

bool ControlsPanel::frame(const OIS::Keyboard& keyboard, Bindings& bindings, SettingsFile& settings,
                          FrameInput& input, Hud& hud)
{
    if (!chooser)
        return false;
    std::vector<OIS::KeyCode> pressed = keyPresses.read(keyboard);
    // The keys held as the panel opens (its own among them) were pressed before it.
    if (justOpened)
        pressed.clear();
    justOpened = false;
    bool changed = false;
    for (OIS::KeyCode key : pressed)
    {
        // A key pressed for the panel asks for nothing until it is let go.
        if (chooser->waiting())
            keyPresses.take(key);
        changed = chooser->press(key) || changed;
    }
    if (changed)
    {
        bindings = chooser->keys();
        settings.changeKeys(bindings, chooser->pace());
    }
    // The keys that move about the panel ask for nothing else (but the panel's own key,
    // wherever the player put it); while it waits for a key, no key does but Escape and Q,
    // which quit.
    const bool quitKey = keyboard.isKeyDown(OIS::KC_ESCAPE) || keyboard.isKeyDown(OIS::KC_Q);
    const auto asks = [this, &bindings, &keyboard](OIS::KeyCode key)
    {
        Action action = Action::Quit;
        const bool closes = actionOf(bindings, key, action) && action == Action::Controls;
        return (closes || !KeyChooser::movesAbout(key)) && keyPresses.askingTheGame(keyboard, key);
    };
    input.actions = chooser->waiting() ? 0u : actionsHeld(bindings, asks);
    if (quitKey)
        holdAction(input, Action::Quit);
    show(hud);
    return chooser->takeWatchRequest();
}

void ControlsPanel::show(Hud& hud)
{
    const std::vector<ChooserRow> rows = chooser->rows();
    hud.showControls(rows, chooser->selected(), chooser->prompt());
    const std::string line =
        rows[std::size_t(chooser->selected())].caption + ": " + chooser->prompt();
    if (line == said)
        return;
    said = line;
    Ogre::LogManager::getSingleton().logMessage("Controls panel at " + line);
}
