#pragma once

#include <string>

class ExampleFrameListener;

// "SCORE: <score>   Fish To Eat: <meals left before the next growth>".
std::string scoreCaption(int score, int eatenCount);

// Writes the player's score line into "ScoreTextArea".
void updateScoreCaption(ExampleFrameListener& listener);

// Writes "GAME OVER" into the banner and shows it.
void showGameOverBanner(ExampleFrameListener& listener);

// The banner, then the game-over sound.
void showGameOver(ExampleFrameListener& listener);

// Starts the sound of a meal.
void playGulp(ExampleFrameListener& listener);

// Starts the sound of a lost game.
void playBoo(ExampleFrameListener& listener);
