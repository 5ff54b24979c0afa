#pragma once

#include <string>

namespace Ogre
{
class Overlay;
}
class GameSounds;
struct Fish;

// Writes the player's score line into "ScoreTextArea".
void updateScoreCaption(const Fish& player);

// The score line's text as it stands, and a text to put back into it; both do nothing
// when the resources have no score line.
std::string scoreLine();
void setScoreLine(const std::string& text);

// Writes "GAME OVER" into the banner's text and shows the banner.
void showGameOverBanner(Ogre::Overlay* banner);

// The banner, then the game-over sound.
void showGameOver(Ogre::Overlay* banner, GameSounds& sounds);
