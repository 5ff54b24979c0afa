#include "game/ReplayViewer.h"

#include "game/CameraTrackListener.h"
#include "game/ReplayFormat.h"

#include <OIS.h>
#include <OgreLogManager.h>
#include <OgreRenderWindow.h>
#include <Overlay/OgreOverlay.h>

#include <iostream>

namespace
{
const float kWatchSpeeds[] = {0.25f, 1.0f, 2.0f, 4.0f};
const char* const kWatchSpeedNames[] = {"0.25x", "1x", "2x", "4x"};
const OIS::KeyCode kWatchSpeedKeys[] = {OIS::KC_1, OIS::KC_2, OIS::KC_3, OIS::KC_4};
// A frame drawn late never makes the playback try to catch up with more than this.
constexpr int kMostFramesPerDraw = 2000;
} // namespace

ReplayViewer::ReplayViewer(std::unique_ptr<ReplayPlayback> playback, ReplayDice& dice_)
    : tape(std::move(playback)), dice(dice_)
{
}

void ReplayViewer::start(CameraTrackListener& game)
{
    game.watching = true;
    const ReplayHeader& header = tape->header();
    game.takeOver(header);
    // Every game begins without a banner, as a new process shows it.
    game.gameOverOverlay->hide();
    if (header.controlsShown != game.presentation.hud.controlsShown())
        game.presentation.hud.toggleControls();
    game.pausedForControls = header.pausedForControls;
    // The recorded window is shown at its shape inside this one, which stays as it is.
    game.shownAspect = float(header.width) / float(header.height);
    game.windowResized(game.window);
    showState(game);
    const std::string otherVersion = recordedByOtherVersion(header, FISHTANK_VERSION);
    if (!otherVersion.empty())
        Ogre::LogManager::getSingleton().logMessage("The replay was " + otherVersion);
}

bool ReplayViewer::readKeys(OIS::Keyboard* keys)
{
    if (keys == nullptr)
        return true;
    keys->capture();
    if (keys->isKeyDown(OIS::KC_ESCAPE) || keys->isKeyDown(OIS::KC_Q))
        return false;
    const bool p = keys->isKeyDown(OIS::KC_P);
    if (p && !pHeld)
        paused = !paused;
    pHeld = p;
    for (int i = 0; i < 4; ++i)
        if (keys->isKeyDown(kWatchSpeedKeys[i]))
            speed = i;
    return true;
}

bool ReplayViewer::frame(CameraTrackListener& game, float seconds, OIS::Keyboard* keys)
{
    if (game.window->isClosed() || !readKeys(keys))
        return false;
    if (!paused)
        budget += seconds * kWatchSpeeds[speed];
    for (int played = 0; !paused && !tape->done() && played < kMostFramesPerDraw &&
                         budget >= tape->nextFrameSeconds();
         ++played)
    {
        budget -= tape->nextFrameSeconds();
        tape->playNext(game, dice);
    }
    if (tape->done())
        budget = 0;
    sayWhereItWentAnotherWay();
    // Each recorded frame played has put the cues where its fish are.
    showState(game);
    return true;
}

void ReplayViewer::sayWhereItWentAnotherWay()
{
    const std::string& unreadable = tape->unreadable();
    if (differenceSaid || (tape->differs().empty() && !(tape->done() && !unreadable.empty())))
        return;
    differenceSaid = true;
    const std::string line = !tape->differs().empty()
                                 ? tape->differs()
                                 : "stops at second " +
                                       std::to_string(long(tape->secondsPlayed())) +
                                       ": the rest cannot be read: " + unreadable;
    std::cerr << "fishtank: the replay " << line << std::endl;
    Ogre::LogManager::getSingleton().logMessage("The replay " + line);
}

void ReplayViewer::showState(CameraTrackListener& game)
{
    // Short enough for the strip at every window size; the log and stderr say the rest.
    std::string text = std::string("REPLAY ") + kWatchSpeedNames[speed];
    if (!tape->differs().empty())
        text = "REPLAY: differs";
    else if (tape->done() && !tape->unreadable().empty())
        text = "REPLAY: damaged";
    else if (tape->done())
        text = "REPLAY: the end";
    else if (paused)
        text += " paused";
    game.presentation.hud.showReplay(text);
}
