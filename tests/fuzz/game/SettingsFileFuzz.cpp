// settings.cfg as the game reads it at start, from a folder the player may have edited.

#include "FuzzCheck.h"
#include "game/SettingsFile.h"
#include "input/KeySettings.h"
#include "platform/SandboxPlatform.h"

#include <OgreLogManager.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The reader logs what it passes over; kept in memory only, for the process's life.
    auto* logs = new Ogre::LogManager;
    logs->createLog("fuzz_settings_file.log", true, false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    SandboxPlatform folder;
    folder.files[kSettingsFile].assign(reinterpret_cast<const char*>(data), size);
    SettingsFile file(folder);
    const GameSettings read = file.choices();
    // Whatever was read is saved in a form that reads back the same, with nothing passed over.
    file.change(read);
    const SettingsRead again = parseSettings(folder.files[kSettingsFile]);
    fuzzCheck(again.problems.empty(), "the saved settings have no line the game cannot use");
    fuzzCheck(settingsText(again.settings) == settingsText(read),
              "the saved settings read back as they were read");
    const KeysRead keys = bindingsFromLines(again.settings.keys);
    fuzzCheck(keys.problems.empty(), "the saved keys have no line the game cannot use");
    fuzzCheck(keyLinesFor(keys.bindings).size() == read.keys.size(),
              "the saved keys read back as they were read");
    return 0;
}
