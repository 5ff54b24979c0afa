#include "game/ScoreDisplay.h"

#include "game/GameSounds.h"
#include "input/OverlaySwitch.h"
#include "rules/Fish.h"
#include "rules/GameTuning.h"
#include "rules/ScoreCaption.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>

namespace
{
void setCaption(const char* element, const std::string& text)
{
    Ogre::OverlayManager::getSingleton().getOverlayElement(element, false)->setCaption(text);
}
} // namespace

void updateScoreCaption(const Fish& player)
{
    setCaption("ScoreTextArea", scoreCaption(player.score, player.eatenCount));
}

void showGameOverBanner(Ogre::Overlay* banner)
{
    setCaption("GameOverTextArea", "GAME OVER");
    banner->show();
}

void showGameOver(Ogre::Overlay* banner, GameSounds& sounds)
{
    showGameOverBanner(banner);
    sounds.play(game_tuning::kBooSound);
}

std::string scoreLine()
{
    const Ogre::OverlayElement* line = findOverlayElement("ScoreTextArea");
    return line != nullptr ? line->getCaption() : "";
}

void setScoreLine(const std::string& text)
{
    if (Ogre::OverlayElement* line = findOverlayElement("ScoreTextArea"))
        line->setCaption(text);
}
