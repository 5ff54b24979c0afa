#include "game/ScoreDisplay.h"

#include "app/Platform.h"
#include "game/Fish.h"
#include "game/GameTuning.h"
#include "input/ExampleFrameListener.h"

#include <OgreStringConverter.h>
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

std::string scoreCaption(int score, int eatenCount)
{
    const int toEat = game_tuning::kMealsPerGrowth - eatenCount % game_tuning::kMealsPerGrowth;
    return "SCORE: " + Ogre::StringConverter::toString(score) +
           "   Fish To Eat: " + Ogre::StringConverter::toString(toEat);
}

void updateScoreCaption(ExampleFrameListener& listener)
{
    setCaption("ScoreTextArea", scoreCaption(listener.player->score, listener.player->eatenCount));
}

void showGameOverBanner(ExampleFrameListener& listener)
{
    setCaption("GameOverTextArea", "GAME OVER");
    listener.gameOverOverlay->show();
}

void showGameOver(ExampleFrameListener& listener)
{
    showGameOverBanner(listener);
    playBoo(listener);
}

void playGulp(ExampleFrameListener& listener)
{
    listener.platform.playSound(game_tuning::kGulpSound);
}

void playBoo(ExampleFrameListener& listener)
{
    listener.platform.playSound(game_tuning::kBooSound);
}
