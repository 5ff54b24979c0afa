#pragma once

#include "game/ReplayPlayback.h"

#include <memory>

class CameraTrackListener;
namespace OIS
{
class Keyboard;
}
class ReplayDice;

// Watching a recorded game in the game's window: the recorded frames are played through the
// game's own listener at the pace the viewer chooses with 1 to 4 (0.25x, 1x, 2x, 4x), P
// pauses and Escape or Q stop; the keyboard does nothing else, and the strip says how the
// replay stands.
class ReplayViewer
{
public:
    ReplayViewer(std::unique_ptr<ReplayPlayback> playback, ReplayDice& dice);

    // The game takes over what the recording began with.
    void start(CameraTrackListener& game);
    // The recorded frames due in this many seconds of the viewer's time, the viewer's keys
    // read from `keys` (none: no keys); false to stop.
    bool frame(CameraTrackListener& game, float seconds, OIS::Keyboard* keys);
    const ReplayPlayback& playback() const { return *tape; }

private:
    // The viewer's own keys: P, 1 to 4; false for Escape or Q.
    bool readKeys(OIS::Keyboard* keys);
    void sayWhereItWentAnotherWay();
    void showState(CameraTrackListener& game);

    std::unique_ptr<ReplayPlayback> tape;
    ReplayDice& dice;
    double budget = 0; // recorded seconds due to be played
    int speed = 1;     // index into the speeds: 0.25x, 1x, 2x, 4x
    bool paused = false;
    bool pHeld = false;
    bool differenceSaid = false;
};
