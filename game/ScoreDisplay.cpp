#include "game/ScoreDisplay.h"

#include "platform/Platform.h"
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

void showGameOver(Ogre::Overlay* banner, Platform& platform)
{
    showGameOverBanner(banner);
    platform.playSound(game_tuning::kBooSound);
}
