#include "game/Hud.h"

#include "input/OverlaySwitch.h"
#include "rules/BestScore.h"
#include "rules/Pace.h"

#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

namespace
{
constexpr const char* kHudFont = "GameFont";

// The controls panel, in two columns: the keys and what they do.
const char* const kControlKeys = "Arrow keys, W A S D\n"
                                 "Page Up, Page Down\n"
                                 "Right mouse button held\n"
                                 "P\n"
                                 "F\n"
                                 "T\n"
                                 "R\n"
                                 "Print Screen\n"
                                 "Escape, Q\n"
                                 "Return, keypad Enter\n"
                                 "M\n"
                                 "H\n"
                                 "F11, Alt+Return\n"
                                 "F1\n"
                                 "Pad: left stick, D-pad\n"
                                 "Pad: Start; Back\n"
                                 "Pad: South (A, cross)";
const char* const kControlActions = "swim; left and right turn the fish\n"
                                    "swim up, swim down\n"
                                    "swim with the mouse\n"
                                    "pause, go on\n"
                                    "score line off, on\n"
                                    "next texture filtering\n"
                                    "wireframe, points, solid\n"
                                    "save a screenshot\n"
                                    "quit\n"
                                    "new game after GAME OVER\n"
                                    "sound off, on\n"
                                    "marks: your fish, + eat, ! danger\n"
                                    "full screen, window\n"
                                    "this list (the game waits)\n"
                                    "swim (the stick as far as it leans)\n"
                                    "pause, go on; this list\n"
                                    "new game after GAME OVER";

void setCaption(const char* name, const std::string& text)
{
    if (Ogre::OverlayElement* found = findOverlayElement(name))
        found->setCaption(text);
}

} // namespace

Hud::Hud()
{
    // Text laid out before its font is loaded gets no glyphs, and stays blank until its
    // caption changes: the engine loads a font only when it first draws with it.
    Ogre::FontPtr font = Ogre::FontManager::getSingleton().getByName(kHudFont);
    if (font)
        font->load();
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    hud = overlays.getByName("HudOverlay");
    controls = overlays.getByName("ControlsOverlay");
    newBest = overlays.getByName("NewBestOverlay");
    newGame = overlays.getByName("NewGameOverlay");
    setCaption("ControlsKeysTextArea", kControlKeys);
    setCaption("ControlsActionsTextArea", kControlActions);
    showSoundOff(false);
    showPace(100);
    showReplay("");
    showOverlay(hud, true);
}

void Hud::showBest(int score)
{
    setCaption("BestTextArea", bestCaption(score));
}

void Hud::toggleControls()
{
    showOverlay(controls, !controlsShown());
}

bool Hud::controlsShown() const
{
    return controls != nullptr && controls->isVisible();
}

void Hud::showSoundOff(bool off)
{
    if (Ogre::OverlayElement* marker = findOverlayElement("SoundOffPanel"))
    {
        if (off)
            marker->show();
        else
            marker->hide();
    }
}

void Hud::showPace(int percent)
{
    const std::string caption = paceCaption(percent);
    setCaption("PaceTextArea", caption);
    if (Ogre::OverlayElement* marker = findOverlayElement("PacePanel"))
    {
        if (caption.empty())
            marker->hide();
        else
            marker->show();
    }
}

void Hud::showControlsHint(bool shown, bool onPad)
{
    const int state = shown ? 1 + int(onPad) : 0;
    if (state == hintShown)
        return;
    hintShown = state;
    setCaption("HintTextArea", onPad ? "Back: controls" : "F1: controls");
    if (Ogre::OverlayElement* panel = findOverlayElement("HintPanel"))
    {
        if (shown)
            panel->show();
        else
            panel->hide();
    }
}

void Hud::showNewBest(bool shown)
{
    showOverlay(newBest, shown);
}

void Hud::showNewGameHint(bool shown, bool withPad)
{
    setCaption("NewGameTextArea",
               withPad ? "Press Return or A for a new game" : "Press Return for a new game");
    showOverlay(newGame, shown);
}

void Hud::showReplay(const std::string& text)
{
    if (Ogre::OverlayElement* panel = findOverlayElement("ReplayPanel"))
    {
        setCaption("ReplayTextArea", text);
        if (text.empty())
            panel->hide();
        else
            panel->show();
    }
}

void Hud::noteReplayKept(const std::string& path, const std::string& label)
{
    const std::string keys = kControlKeys;
    const std::string actions = kControlActions;
    setCaption("ControlsKeysTextArea", path.empty() ? keys : keys + "\n" + label);
    setCaption("ControlsActionsTextArea", path.empty() ? actions : actions + "\n" + path);
}
