#include "game/Hud.h"

#include "input/OverlaySwitch.h"
#include "platform/TextWrap.h"
#include "rules/BestScore.h"
#include "rules/Pace.h"
#include "rules/Settings.h"

#include <Overlay/OgreFontManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

namespace
{
constexpr const char* kHudFont = "GameFont";

// The panel's rows after the keys': the mouse and the pad, which are not chosen.
const ChooserRow kFixedRows[] = {
    {"Swim with the mouse", "right mouse button held"},
    {"Pad: swim", "left stick, D-pad"},
    {"Pad: pause; this list", "Start; Back"},
    {"Pad: new game", "South (A, cross)"},
};
// Characters of the prompt's line at the panel's width, in the HUD's font.
constexpr std::size_t kPromptWidth = 70;

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
    fame = overlays.getByName("FameOverlay");
    showControls(KeyChooser(defaultBindings(), GameSettings{}.pacePercent).rows(), -1, "");
    showSoundOff(false);
    showPace(100);
    showReplay("");
    fillHallOfFame({}, -1);
    showHallOfFame(false); // every game, and every replay, begins without it
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

void Hud::showControls(const std::vector<ChooserRow>& rows, int selected, const std::string& prompt)
{
    controlRows = rows;
    selectedRow = selected;
    controlsPrompt = prompt;
    writeControls();
}

void Hud::writeControls()
{
    std::string captions, values;
    auto addRow = [&](const std::string& caption, const std::string& value, bool picked)
    {
        captions += (captions.empty() ? "" : "\n") + std::string(picked ? "> " : "   ") + caption;
        values += (values.empty() ? "" : "\n") + value;
    };
    for (std::size_t i = 0; i < controlRows.size(); ++i)
        addRow(controlRows[i].caption, controlRows[i].value, int(i) == selectedRow);
    for (const ChooserRow& row : kFixedRows)
        addRow(row.caption, row.value, false);
    if (!replayPath.empty())
        addRow(replayLabel, replayPath, false);
    setCaption("ControlsActionsTextArea", captions);
    setCaption("ControlsKeysTextArea", values);
    setCaption("ControlsPromptTextArea", wrapText(controlsPrompt, kPromptWidth));
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
    showHint(!shown ? "" : onPad ? "Back: controls" : "F1: controls");
}

void Hud::showHint(const std::string& text)
{
    if (hintWritten && text == hint)
        return;
    hintWritten = true;
    hint = text;
    if (!text.empty())
        setCaption("HintTextArea", text);
    if (Ogre::OverlayElement* panel = findOverlayElement("HintPanel"))
    {
        if (!text.empty())
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

void Hud::fillHallOfFame(const std::vector<std::string>& rows, int marked,
                         const std::string& footer)
{
    // The line beside the title, where ten rows leave it in the window.
    std::string text = "HALL OF FAME" + (footer.empty() ? "" : "      " + footer);
    if (rows.empty())
        text += "\nNo game yet: the ten best games are kept here, with their replays";
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += (int(i) == marked ? "\n>  " : "\n    ") + rows[i] + (int(i) == marked ? "  <" : "");
    setCaption("FameTextArea", text);
}

void Hud::showHallOfFame(bool shown)
{
    showOverlay(fame, shown);
}

bool Hud::hallOfFameShown() const
{
    return fame != nullptr && fame->isVisible();
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
    replayPath = path;
    replayLabel = label;
    writeControls();
}
