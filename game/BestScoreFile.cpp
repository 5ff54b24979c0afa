#include "game/BestScoreFile.h"

#include "platform/Platform.h"
#include "rules/BestScore.h"

#include <OgreLogManager.h>

namespace
{
void log(const std::string& text)
{
    Ogre::LogManager::getSingleton().logMessage(text);
}
} // namespace

BestScoreFile::BestScoreFile(Platform& platform_) : platform(platform_)
{
    std::string text;
    std::string error;
    if (!platform.readGameFile(kBestScoreFile, text, error))
    {
        // A best score the game cannot read may still be the player's: it is never replaced.
        inMemoryOnly = platform.gameFileExists(kBestScoreFile);
        log(inMemoryOnly ? "No best score read: " + error +
                               "; the file is left as it is, and "
                               "this run's best is kept in memory only"
                         : "No best score yet: " + error);
    }
    else if (!parseBestScore(text, bestScore))
    {
        garbled = true;
        log(std::string("No best score yet: ") + kBestScoreFile +
            " does not hold one whole number from 0 up; it is kept as " + kBestScoreFile +
            ".bad when a best score is saved");
    }
    else
        log("Best score so far: " + std::to_string(bestScore));
}

bool BestScoreFile::offer(int score)
{
    if (score <= bestScore)
        return false;
    bestScore = score;
    const std::string what = "New best score " + std::to_string(score);
    if (inMemoryOnly)
    {
        log(what + " kept in memory only: " + kBestScoreFile +
            " cannot be read, so it is not "
            "replaced");
        return true;
    }
    std::string error;
    if (garbled &&
        !platform.renameGameFile(kBestScoreFile, std::string(kBestScoreFile) + ".bad", error))
    {
        inMemoryOnly = true;
        log(what + " kept in memory only: the garbled " + kBestScoreFile +
            " could not be kept aside (" + error + ")");
        return true;
    }
    garbled = false;
    if (platform.writeGameFile(kBestScoreFile, bestScoreText(score), error))
        log(what + " saved in " + kBestScoreFile);
    else
        log(what + " could not be saved: " + error);
    return true;
}
