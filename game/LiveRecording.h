#pragma once

#include "game/GameRecorder.h"

#include <memory>
#include <string>

class CameraTrackListener;
class ReplayDice;

// Recording the live game: every game from its first frame to its GAME OVER, a quit or the
// next game (Return), into a file of its own, with the dice drawn through the tape.
class LiveRecording
{
public:
    LiveRecording(std::unique_ptr<GameRecorder> recorder, ReplayDice& dice);

    // A game begins: its file starts with what the player sees now.
    void begin(CameraTrackListener& game);
    // After the engine's frame: records it when one was played; a new game or GAME OVER
    // ends the game's file.
    void frame(CameraTrackListener& game, float dt, bool played);
    // The game being recorded is over (GAME OVER, a quit or a new game): its file ends,
    // and the game may enter the hall of fame.
    void endGame(CameraTrackListener& game);
    // The game ends on an error: what is recorded goes to the disk.
    void flush(const CameraTrackListener& game);
    // The file of this game, and how much of it is kept in the player's words.
    const std::string& path() const { return recorder->path(); }
    std::string kept() const { return recorder->keptText(); }
    // The file of the last game played to its end (this one once it is over): of this
    // session, or else the newest the folder holds from before; empty when there is none.
    const std::string& lastGame() const { return lastEnded; }

private:
    bool setsBest(const CameraTrackListener& game) const;

    std::unique_ptr<GameRecorder> recorder;
    ReplayDice& dice;
    int bestAtStart = 0;   // the best score as the recorded game began
    bool gameOpen = false; // begun and not ended yet
    std::string lastEnded; // the file of the last game that ended
};
