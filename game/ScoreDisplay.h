#pragma once

namespace Ogre
{
class Overlay;
}
class Platform;
struct Fish;

// Writes the player's score line into "ScoreTextArea".
void updateScoreCaption(const Fish& player);

// Writes "GAME OVER" into the banner's text and shows the banner.
void showGameOverBanner(Ogre::Overlay* banner);

// The banner, then the game-over sound.
void showGameOver(Ogre::Overlay* banner, Platform& platform);
