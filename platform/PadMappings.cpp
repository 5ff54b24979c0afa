#include "platform/PadMappings.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace
{
constexpr std::size_t kGuidLength = 32;
constexpr std::size_t kLongestLine = 1024; // the community's longest is under 400
constexpr std::size_t kShownLength = 60;   // of a refused line, in the log
constexpr std::size_t kShownField = 24;    // of the field that refused it
constexpr int kLinesNamed = 3;
// Where a GUID keeps the checksum of the pad's name and the pad's version, as hex digits.
constexpr std::size_t kChecksumAt = 4, kVersionAt = 24, kFieldDigits = 4;

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

bool isGuid(const std::string& field)
{
    return field.size() == kGuidLength &&
           std::all_of(field.begin(), field.end(),
                       [](unsigned char c) { return std::isxdigit(c) != 0; });
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    std::string field;
    while (std::getline(in, field, ','))
        fields.push_back(field);
    return fields;
}

std::string shown(const std::string& line, std::size_t length = kShownLength)
{
    std::string text;
    for (char c : line.substr(0, length))
        text += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
    return line.size() > length ? text + "..." : text;
}

// Why the line is no mapping, or empty; `otherSystem` says it is one, for another system.
std::string refusal(const std::string& line, bool& otherSystem)
{
    otherSystem = false;
    if (line.size() > kLongestLine)
        return "longer than " + std::to_string(kLongestLine) + " characters";
    const std::vector<std::string> fields = fieldsOf(line);
    if (fields.empty() || !isGuid(fields[0]))
        return "it does not start with a pad's GUID (32 hex digits)";
    if (fields.size() < 2 || fields[1].empty())
        return "it names no pad";
    int bindings = 0;
    for (std::size_t i = 2; i < fields.size(); ++i)
    {
        const std::string& field = fields[i];
        if (field.empty())
            continue;
        const auto colon = field.find(':');
        if (colon == std::string::npos || colon == 0)
            return "'" + shown(field, kShownField) + "' is not a binding such as a:b0";
        if (field.compare(0, colon, "platform") == 0)
            otherSystem = field.substr(colon + 1) != "Linux";
        else
            ++bindings;
    }
    return bindings == 0 ? "it binds no button or stick" : "";
}

std::string withDigitsZeroed(std::string guid, std::size_t at)
{
    return guid.replace(at, kFieldDigits, kFieldDigits, '0');
}

// The GUID without the checksum and the version: the pad's bus, maker and model.
std::string modelGuid(const std::string& guid)
{
    return withDigitsZeroed(withDigitsZeroed(guid, kChecksumAt), kVersionAt);
}
} // namespace

PadMappings readPadMappings(const std::string& text, const std::string& fileName)
{
    PadMappings mappings;
    int refused = 0;
    std::size_t start = 0;
    for (int number = 1; start < text.size(); ++number)
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, std::min(end - start, kLongestLine + 1));
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        bool otherSystem = false;
        const std::string why = refusal(line, otherSystem);
        if (!why.empty())
        {
            if (++refused <= kLinesNamed)
                mappings.notes.push_back(fileName + ", line " + std::to_string(number) +
                                         " skipped: " + why + ": " + shown(line));
            continue;
        }
        if (otherSystem)
            continue;
        const std::string guid = lowered(line.substr(0, kGuidLength));
        mappings.byGuid[guid] = line;
        mappings.byModel[modelGuid(guid)] = line;
    }
    if (refused > kLinesNamed)
        mappings.notes.push_back(fileName + ": " + std::to_string(refused) +
                                 " lines skipped in all (the first " + std::to_string(kLinesNamed) +
                                 " are named above)");
    if (!mappings.byGuid.empty())
        mappings.notes.push_back(fileName + ": " + std::to_string(mappings.byGuid.size()) +
                                 " pad mappings for this system");
    return mappings;
}

const std::string* findPadMapping(const PadMappings& mappings, const std::string& guid)
{
    const std::string exact = lowered(guid);
    if (!isGuid(exact))
        return nullptr;
    for (const std::string& key : {exact, withDigitsZeroed(exact, kChecksumAt)})
    {
        const auto found = mappings.byGuid.find(key);
        if (found != mappings.byGuid.end())
            return &found->second;
    }
    const auto model = mappings.byModel.find(modelGuid(exact));
    return model != mappings.byModel.end() ? &model->second : nullptr;
}
