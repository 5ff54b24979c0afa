// best-score.txt as the game reads it at start, and the new best saved over it.

#include "FuzzCheck.h"
#include "game/BestScoreFile.h"
#include "platform/SandboxPlatform.h"
#include "rules/BestScore.h"

#include <OgreLogManager.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The reader logs what it found; kept in memory only, for the process's life.
    auto* logs = new Ogre::LogManager;
    logs->createLog("fuzz_best_score_file.log", true, false, true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    SandboxPlatform folder;
    folder.files[kBestScoreFile] = text;
    BestScoreFile file(folder);
    fuzzCheck(file.best() >= 0, "a best score is never negative");
    if (file.best() == INT_MAX)
        return 0;
    fuzzCheck(file.offer(file.best() + 1), "a score above the best is a new best");
    int saved = -1;
    fuzzCheck(parseBestScore(folder.files[kBestScoreFile], saved) && saved == file.best(),
              "a new best is saved as a best score that reads back");
    int held = 0;
    if (!parseBestScore(text, held))
        fuzzCheck(folder.files[std::string(kBestScoreFile) + ".bad"] == text,
                  "a garbled best-score file is kept aside whole before a new best is saved");
    return 0;
}
