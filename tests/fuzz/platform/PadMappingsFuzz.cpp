// gamecontrollerdb.txt as the game reads it at start: lines kept by GUID, the rest counted.

#include "FuzzCheck.h"
#include "platform/PadMappings.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const PadMappings read = readPadMappings(text, "gamecontrollerdb.txt");
    fuzzCheck(read.notes.size() <= 5, "three refused lines named, then two counts at most");
    for (const std::string& note : read.notes)
        fuzzCheck(note.size() < 200, "a note stays readable however long its line");
    for (const auto& [guid, line] : read.byGuid)
    {
        fuzzCheck(line.size() <= 1024, "no line longer than a mapping can be is kept");
        const std::string* found = findPadMapping(read, guid);
        fuzzCheck(found != nullptr && *found == line, "each kept line is found by its GUID");
    }
    return 0;
}
