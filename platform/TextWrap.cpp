#include "platform/TextWrap.h"

#include <sstream>
#include <vector>

namespace
{
// Cuts a word that does not fit a line into pieces that do, after a '/' where one falls
// far enough into the piece to be worth it.
std::vector<std::string> piecesOf(const std::string& word, std::size_t width)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (word.size() - start > width)
    {
        std::size_t cut = word.rfind('/', start + width - 1);
        if (cut == std::string::npos || cut < start + width / 2)
            cut = start + width;
        else
            cut += 1; // the slash ends its line
        pieces.push_back(word.substr(start, cut - start));
        start = cut;
    }
    pieces.push_back(word.substr(start));
    return pieces;
}

void wrapLine(const std::string& line, std::size_t width, std::string& out)
{
    std::istringstream words(line);
    std::string word;
    std::string current;
    while (words >> word)
    {
        for (const std::string& piece : piecesOf(word, width))
        {
            if (!current.empty() && current.size() + 1 + piece.size() > width)
            {
                out += current + "\n";
                current.clear();
            }
            current += (current.empty() ? "" : " ") + piece;
        }
    }
    out += current;
}
} // namespace

std::string wrapText(const std::string& text, std::size_t width)
{
    if (width == 0)
        return text;
    std::string out;
    std::istringstream lines(text);
    std::string line;
    bool first = true;
    while (std::getline(lines, line))
    {
        if (!first)
            out += "\n";
        first = false;
        wrapLine(line, width, out);
    }
    return out;
}
