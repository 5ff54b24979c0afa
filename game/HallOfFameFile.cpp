#include "game/HallOfFameFile.h"

#include "platform/Platform.h"
#include "platform/ReplayFolder.h"

#include <OgreLogManager.h>

#include <filesystem>

namespace
{
void log(const std::string& text)
{
    Ogre::LogManager::getSingleton().logMessage(text);
}

constexpr const char* kFamePrefix = "fame-";
} // namespace

HallOfFameFile::HallOfFameFile(Platform& platform_, std::string replayFolder_)
    : platform(platform_), replayFolder(std::move(replayFolder_))
{
    std::string text, error;
    if (!platform.readGameFile(kHallOfFameFile, text, error))
    {
        readOnly = platform.gameFileExists(kHallOfFameFile);
        if (readOnly)
            log("The hall of fame cannot be read: " + error + "; it is left as it is");
    }
    else if (!parseHallOfFame(text, kept))
    {
        garbled = true;
        log(std::string("The hall of fame in ") + kHallOfFameFile +
            " cannot be read as one; it is kept as " + kHallOfFameFile +
            ".bad when the next game enters");
    }
}

int HallOfFameFile::enter(FameEntry game, const std::string& replayPath)
{
    if (fameRank(kept, game.score) < 0)
        return -1;
    game.name = fameName(game.name);
    game.replay.clear();
    std::string error;
    if (!replayPath.empty())
    {
        const std::string name =
            kFamePrefix + std::filesystem::path(replayPath).filename().string();
        if (copyFileWhole(replayPath, replayFolder + "/" + name, error))
            game.replay = name;
        else
            log("The hall of fame keeps the game without its replay: " + error);
    }
    std::vector<FameEntry> fallen;
    const int row = enterGame(kept, game, fallen);
    for (const FameEntry& gone : fallen)
        if (gone.replay.rfind(kFamePrefix, 0) == 0)
        {
            std::error_code code;
            std::filesystem::remove(replayFolder + "/" + gone.replay, code);
        }
    if (readOnly)
    {
        log("The game enters the hall of fame at " + std::to_string(row + 1) +
            " for this run only: its file cannot be read, so it is not replaced");
        return row;
    }
    if (garbled &&
        !platform.renameGameFile(kHallOfFameFile, std::string(kHallOfFameFile) + ".bad", error))
    {
        readOnly = true;
        log("The hall of fame is kept for this run only: the garbled file could not be kept "
            "aside (" +
            error + ")");
        return row;
    }
    garbled = false;
    if (platform.writeGameFile(kHallOfFameFile, hallOfFameText(kept), error))
        log("The game enters the hall of fame at " + std::to_string(row + 1));
    else
        log("The hall of fame could not be saved: " + error);
    return row;
}
