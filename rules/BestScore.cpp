#include "rules/BestScore.h"

#include <cctype>
#include <climits>

bool parseBestScore(const std::string& text, int& score)
{
    std::size_t end = text.size();
    while (end > 0 && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    if (end == 0 || end > 10) // INT_MAX has ten digits
        return false;
    long long value = 0;
    for (std::size_t i = 0; i < end; ++i)
    {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        value = value * 10 + (text[i] - '0');
    }
    if (value > INT_MAX)
        return false;
    score = int(value);
    return true;
}

std::string bestScoreText(int score)
{
    return std::to_string(score) + "\n";
}

std::string bestCaption(int score)
{
    return "BEST: " + std::to_string(score);
}
