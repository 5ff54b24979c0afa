#include "rules/HallOfFame.h"

#include <ctime>
#include <sstream>

namespace
{
constexpr const char* kFirstLine = "# fishtank hall of fame, format 1";
constexpr std::size_t kLongestName = 24;
const char* const kEnds[] = {"bigger fish", "shark", "hook", "quit"};

bool knownEnd(const std::string& end)
{
    for (const char* known : kEnds)
        if (end == known)
            return true;
    return false;
}

// A whole number in [low, high] filling the field.
bool number(const std::string& field, long long low, long long high, long long& value)
{
    // Eighteen digits always fit the conversion; every bound here has far fewer.
    if (field.empty() || field.size() > 18)
        return false;
    for (char c : field)
        if (c < '0' || c > '9')
            return false;
    value = std::stoll(field);
    return value >= low && value <= high;
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> parts;
    std::string::size_type from = 0;
    for (;;)
    {
        const auto tab = line.find('\t', from);
        parts.push_back(line.substr(from, tab - from));
        if (tab == std::string::npos)
            return parts;
        from = tab + 1;
    }
}

bool plainFileName(const std::string& name)
{
    return name.size() <= 64 && name.find('/') == std::string::npos && name != "." &&
           name != ".." && name.find('\0') == std::string::npos;
}
} // namespace

int fameRank(const HallOfFame& hall, int score)
{
    std::size_t row = 0;
    while (row < hall.entries.size() && hall.entries[row].score >= score)
        ++row;
    return row < kFameEntries ? int(row) : -1;
}

int enterGame(HallOfFame& hall, const FameEntry& game, std::vector<FameEntry>& fallen)
{
    fallen.clear();
    const int row = fameRank(hall, game.score);
    if (row < 0)
        return -1;
    hall.entries.insert(hall.entries.begin() + row, game);
    while (hall.entries.size() > kFameEntries)
    {
        fallen.push_back(hall.entries.back());
        hall.entries.pop_back();
    }
    return row;
}

std::string hallOfFameText(const HallOfFame& hall)
{
    std::string text = std::string(kFirstLine) + "\n";
    for (const FameEntry& e : hall.entries)
        text += std::to_string(e.score) + '\t' + std::to_string(e.meals) + '\t' + e.end + '\t' +
                std::to_string(e.pacePercent) + '\t' + std::to_string(e.date) + '\t' + e.replay +
                '\t' + fameName(e.name) + '\n';
    return text;
}

bool parseHallOfFame(const std::string& text, HallOfFame& hall)
{
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != kFirstLine)
        return false;
    HallOfFame read;
    while (std::getline(lines, line))
    {
        if (line.empty())
            continue;
        const std::vector<std::string> f = fields(line);
        long long score = 0, meals = 0, pace = 0, date = 0;
        if (f.size() != 7 || !number(f[0], 0, 1 << 30, score) || !number(f[1], 0, 1 << 30, meals) ||
            !knownEnd(f[2]) || !number(f[3], 1, 100, pace) || !number(f[4], 0, 1LL << 40, date) ||
            !plainFileName(f[5]) || read.entries.size() == kFameEntries)
            return false;
        // Best first: a file out of order is not one the game wrote.
        if (!read.entries.empty() && read.entries.back().score < score)
            return false;
        read.entries.push_back(
            FameEntry{fameName(f[6]), int(score), int(meals), f[2], int(pace), date, f[5]});
    }
    hall = read;
    return true;
}

std::string fameName(const std::string& name)
{
    std::string kept;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i)
    {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F)
            continue;
        // A character's continuation bytes follow it; the count is of whole characters.
        if ((c & 0xC0) != 0x80)
        {
            if (characters == kLongestName)
                break;
            ++characters;
        }
        kept += char(c);
    }
    const auto first = kept.find_first_not_of(' ');
    const auto last = kept.find_last_not_of(' ');
    return first == std::string::npos ? "Player" : kept.substr(first, last - first + 1);
}

std::vector<std::string> fameLines(const HallOfFame& hall)
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < hall.entries.size(); ++i)
    {
        const FameEntry& e = hall.entries[i];
        char day[16] = "";
        const std::time_t when = std::time_t(e.date);
        std::tm local{};
        if (localtime_r(&when, &local) != nullptr)
            std::strftime(day, sizeof day, "%Y-%m-%d", &local);
        lines.push_back(std::to_string(i + 1) + ".  " + e.name + "  " + std::to_string(e.score) +
                        "  " + std::to_string(e.meals) + (e.meals == 1 ? " meal  " : " meals  ") +
                        e.end + "  " + std::to_string(e.pacePercent) + "%  " + day);
    }
    return lines;
}
