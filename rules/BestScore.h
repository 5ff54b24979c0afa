#pragma once

#include <string>

// The best score as kept in its file: one line holding a whole number from 0 to the
// largest score a game can count. Reads `text` into `score`; false (and `score` untouched)
// for anything else: empty, garbled, negative or too large.
bool parseBestScore(const std::string& text, int& score);

// The file's text for a best score.
std::string bestScoreText(int score);

// The HUD's line for it: "BEST: 345".
std::string bestCaption(int score);
