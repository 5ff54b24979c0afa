#pragma once

#include "game/ReplayFormat.h"
#include "platform/ReplayFolder.h"

#include <memory>
#include <string>

// Records every game into the replays folder as it is played, one file a game named by its
// date: every frame, a check every second of game time (with the file pushed to the disk),
// and the end. The newest 50 of the game's own recordings are kept, and a game that set the
// best score is kept as best.replay too. A folder that cannot be written is logged once, and
// the game plays on.
class GameRecorder
{
public:
    explicit GameRecorder(std::string folder);
    ~GameRecorder();
    GameRecorder(const GameRecorder&) = delete;
    GameRecorder& operator=(const GameRecorder&) = delete;

    // A game begins.
    void begin(const ReplayHeader& header);
    // One frame played; true when a whole second of game time has passed with it, and a
    // check is due. A frame whose time cannot be kept ends the recording before it.
    bool frame(const ReplayFrame& frame);
    void check(const ReplayCheck& check);
    // The game ended (GAME OVER or a quit): the file gets its end and is complete; a game
    // that set the best score is kept as best.replay.
    void end(const ReplayEnd& end, bool newBest);
    // Pushes what is recorded to the disk (the game ends on an error); a game above the best
    // is kept as best.replay as far as it went.
    void flush(bool newBest = false);
    // A game of that score, begun with the best score at `bestBefore`, is the best game: it
    // beats the best, or ties it while no best game is kept yet (a folder's first game).
    bool setsBest(int score, int bestBefore) const;
    // A game is being recorded (begun, and neither ended nor stopped).
    bool recording() const { return writer != nullptr; }
    // The folder the games are recorded in.
    const std::string& folderName() const { return folder; }
    // The file of the game being recorded, or of the last one; empty when none was written.
    const std::string& path() const { return lastPath; }
    // How much of the last game its file holds, in a player's words, for the error box:
    // all of it so far, up to a second, or nothing.
    std::string keptText() const;

private:
    void write(const std::string& bytes);
    void stop(const std::string& why);
    void keepAsBest();

    std::string folder;
    std::unique_ptr<ReplayWriter> writer;
    GrowingFile file;
    std::string lastPath;
    double gameTime = 0;
    long checksDone = 0;
    double keptSeconds = 0; // game time the file holds whole
    std::string stopped;    // why the file stops short of the game; empty while it does not
    bool broken = false;    // the folder or a file could not be written: said once
};

constexpr const char* kReplayFolder = "replays";
constexpr const char* kBestReplay = "best.replay";
constexpr std::size_t kReplaysKept = 50;
