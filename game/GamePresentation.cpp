#include "game/GamePresentation.h"

#include "app/GameEntry.h"
#include "platform/Gamepads.h"
#include "platform/Platform.h"
#include "rules/GameTuning.h"
#include "rules/Settings.h"

#include <OgreLogManager.h>

namespace
{
constexpr const char* kErrorNoteLabel = "Last game (error)";
}

GamePresentation::GamePresentation(Platform& platform) : sounds(platform)
{
    for (const char* sound : {game_tuning::kGulpSound, game_tuning::kBooSound})
    {
        const std::string silent = platform.preloadSound(sound);
        if (!silent.empty())
            Ogre::LogManager::getSingleton().logMessage("Silence for " + std::string(sound) + ": " +
                                                        silent);
    }
}

void GamePresentation::start(Ogre::SceneManager* scene, const Panel& tank,
                             const GameSettings& chosen)
{
    cues = std::make_unique<FishCues>(scene, tank);
    if (sounds.isOn() != chosen.soundOn)
        sounds.switchOnOrOff();
    hud.showSoundOff(!sounds.isOn());
    cues->show(chosen.cuesShown);
}

bool GamePresentation::switchSound()
{
    sounds.switchOnOrOff();
    hud.showSoundOff(!sounds.isOn());
    return sounds.isOn();
}

bool GamePresentation::switchMarks()
{
    if (cues)
        cues->show(!cues->shown());
    return cues && cues->shown();
}

void GamePresentation::placeMarks(const Fish& player, const std::vector<Fish>& fishes,
                                  const Rect* hook)
{
    if (cues)
        cues->update(player, fishes, hook);
}

void GamePresentation::rumble(Gamepads* pads, const GameSettings& chosen, float strength,
                              int milliseconds)
{
    if (pads != nullptr && chosen.rumble)
        pads->rumble(strength, milliseconds);
}

void GamePresentation::showHallOfFame(bool shown)
{
    if (shown == hud.hallOfFameShown())
        return;
    hud.showHallOfFame(shown);
    Ogre::LogManager::getSingleton().logMessage(
        hud.hallOfFameShown() ? "The hall of fame is shown" : "The hall of fame is hidden");
}

void GamePresentation::showLastErrorNote(Platform& platform)
{
    // Said once: the controls panel names that replay until the first new game.
    std::string note, error;
    if (!platform.readGameFile(kErrorNoteFile, note, error))
        return;
    platform.removeGameFile(kErrorNoteFile);
    note = note.substr(0, note.find('\n'));
    if (note.empty())
        return;
    hud.noteReplayKept(note, kErrorNoteLabel);
    Ogre::LogManager::getSingleton().logMessage(
        "The last game ended on an error; its replay is kept in " + note);
}
