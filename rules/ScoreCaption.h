#pragma once

#include <string>

// "SCORE: <score>   Fish To Eat: <meals left before the next growth>".
std::string scoreCaption(int score, int eatenCount);
