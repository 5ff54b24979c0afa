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
        log("No best score yet: " + error);
    else if (!parseBestScore(text, bestScore))
        log(std::string("No best score yet: ") + kBestScoreFile +
            " does not hold one whole number from 0 up");
    else
        log("Best score so far: " + std::to_string(bestScore));
}

bool BestScoreFile::offer(int score)
{
    if (score <= bestScore)
        return false;
    bestScore = score;
    std::string error;
    if (platform.writeGameFile(kBestScoreFile, bestScoreText(score), error))
        log("New best score " + std::to_string(score) + " saved in " + kBestScoreFile);
    else
        log("New best score " + std::to_string(score) + " could not be saved: " + error);
    return true;
}
