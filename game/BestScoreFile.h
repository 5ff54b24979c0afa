#pragma once

#include <string>

class Platform;

// The best score, kept in best-score.txt in the game's working folder. A file that is
// missing, empty, garbled, negative, huge or unreadable counts as no best score (0), and
// says why in the log. A file that is there but cannot be read is never replaced (the best
// of the run is kept in memory); a garbled one is kept aside as best-score.txt.bad before
// a new best is written; a file that cannot be written is logged and the game goes on.
class BestScoreFile
{
public:
    explicit BestScoreFile(Platform& platform);

    int best() const { return bestScore; }

    // A finished game's score: true when it beats the best, which is then saved.
    bool offer(int score);

private:
    Platform& platform;
    int bestScore = 0;
    bool inMemoryOnly = false; // the file is there but could not be read
    bool garbled = false;      // the file held something else than a best score
};

constexpr const char* kBestScoreFile = "best-score.txt";
