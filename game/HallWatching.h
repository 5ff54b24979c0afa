#pragma once

#include "game/FameBrowser.h"

#include <OgreFrameListener.h>

#include <memory>
#include <string>

class CameraTrackListener;
class WatchedGame;
struct ReplayTape;

// Watching a recorded game from inside the live one: the hall of fame browsed over a game
// that waits, or the controls panel's last game, asks for it; the asked game plays in the
// window while the live game waits, and the hall's key (or F1) brings the live game back
// as it was.
class HallWatching
{
public:
    HallWatching();
    ~HallWatching();

    // Up, Down and Return in the hall of fame, while it shows over a game in play.
    void browse(CameraTrackListener& game);
    // The game in the file is to be watched from the end of this frame; a file that cannot be
    // played, or a game in play, is said where it was asked (`fromHall`, or the panel).
    void ask(CameraTrackListener& game, const std::string& path, bool fromHall);
    // At the end of the live frame: the game asked for begins, unless its panel closed in
    // the same frame. Its HUD starts as the resources give it.
    void startIfAsked(CameraTrackListener& game);
    bool watching() const { return watched != nullptr; }
    // A drawn frame while watching; false to quit the game.
    bool frame(CameraTrackListener& game, const Ogre::FrameEvent& evt);

private:
    // Back to the live game as it was, laid out for the window as it is now.
    void stop(CameraTrackListener& game);

    FameBrowser browser;
    std::unique_ptr<ReplayTape> toWatch; // asked for in this frame
    std::string toWatchPath;
    bool toWatchFromHall = false;
    std::unique_ptr<WatchedGame> watched;
};
