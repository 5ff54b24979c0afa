#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// The player's own pad mappings: SDL's mapping lines ("GUID,name,a:b0,...,platform:Linux,"),
// as the community's gamecontrollerdb.txt has them. They are read in one pass and kept by
// GUID; SDL is handed a line only when a pad with that GUID is plugged in, so a file of any
// length costs its reading and nothing more.
struct PadMappings
{
    std::unordered_map<std::string, std::string> byGuid;  // lower-case GUID -> the whole line
    std::unordered_map<std::string, std::string> byModel; // the same, by modelGuid()
    std::vector<std::string> notes; // for the log: lines refused, and how many were read
};

// Reads the mapping lines in `text`, named `fileName` in the notes. Blank lines and
// comments are skipped, and so, quietly, are lines for other systems. A line that is not a
// mapping is counted, and the first few are named with their number, cut to a readable
// length. A later line for the same GUID replaces an earlier one, as in SDL.
PadMappings readPadMappings(const std::string& text, const std::string& fileName);

// The line for a pad's GUID: written for exactly that GUID, else for the same pad with no
// name checksum in its GUID (as the community's lines are), else for the same maker's
// model in any version; or null.
const std::string* findPadMapping(const PadMappings& mappings, const std::string& guid);
