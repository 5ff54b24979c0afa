// Recording every game, and playing a recorded one again: the game's listener at the edges
// where its input, its dice and its frame times come in.
#include "game/CameraTrackListener.h"

#include "game/ReplayFormat.h"
#include "game/TankCheck.h"
#include "platform/Dice.h"

#include <OIS.h>
#include <OgreLogManager.h>
#include <OgreRenderWindow.h>
#include <Overlay/OgreOverlay.h>

#include <ctime>
#include <iostream>

namespace
{
const float kWatchSpeeds[] = {0.25f, 1.0f, 2.0f, 4.0f};
const char* const kWatchSpeedNames[] = {"0.25x", "1x", "2x", "4x"};
const OIS::KeyCode kWatchSpeedKeys[] = {OIS::KC_1, OIS::KC_2, OIS::KC_3, OIS::KC_4};
// A frame drawn late never makes the playback try to catch up with more than this.
constexpr int kMostFramesPerDraw = 2000;
} // namespace

ReplayHeader CameraTrackListener::describeGame() const
{
    ReplayHeader header;
    header.gameVersion = FISHTANK_VERSION;
    header.width = int(window->getWidth());
    header.height = int(window->getHeight());
    header.date = std::time(nullptr);
    header.settings = settings.choices();
    header.bestScore = best.best();
    header.controlsShown = hud.controlsShown();
    header.pausedForControls = pausedForControls;
    static_cast<ListenerState&>(header) = state();
    return header;
}

void CameraTrackListener::record(std::unique_ptr<GameRecorder> recorder_, ReplayDice& dice_)
{
    recorder = std::move(recorder_);
    tapeDice = &dice_;
    beginRecording();
}

void CameraTrackListener::beginRecording()
{
    tapeDice->startRecording();
    bestAtStart = best.best();
    recorder->begin(describeGame());
    resizedWidth = resizedHeight = 0;
    focusPaused = false;
    if (!recorder->path().empty())
        Ogre::LogManager::getSingleton().logMessage("Recording the game in " + recorder->path());
}

void CameraTrackListener::recordFrame(float dt, bool played, bool running)
{
    if (newGameBegun)
    {
        // The frame of Return belongs to neither game: the next one begins after it, from a
        // header that says what the player sees then.
        endGameRecording();
        beginRecording();
        return;
    }
    if (played)
    {
        ReplayFrame frame;
        frame.dt = dt;
        frame.input = input;
        frame.focusPaused = focusPaused;
        frame.width = int(resizedWidth);
        frame.height = int(resizedHeight);
        frame.dice = tapeDice->takeFrame(); // taken after GAME OVER too, so it never piles up
        if (recorder->recording() && recorder->frame(frame))
            recorder->check(tankCheck());
        focusPaused = false;
        resizedWidth = resizedHeight = 0;
        // GAME OVER: the file is whole now, whatever the player does next.
        if (!player->alive)
            endGameRecording();
    }
    if (!running)
        endRecording();
}

void CameraTrackListener::endGameRecording()
{
    if (recorder->recording())
        recorder->end(gameEnd(), recorder->setsBest(player->score, bestAtStart));
}

void CameraTrackListener::endRecording()
{
    if (!recorder)
        return;
    if (player->alive)
        best.offer(player->score); // quit with a score above the best
    endGameRecording();
    recorder.reset();
}

void CameraTrackListener::flushRecording()
{
    if (recorder)
        recorder->flush(player->alive && recorder->setsBest(player->score, bestAtStart));
}

std::string CameraTrackListener::replayPath() const
{
    return recorder ? recorder->path() : "";
}

std::string CameraTrackListener::replayKept() const
{
    return recorder ? recorder->keptText() : "";
}

ReplayCheck CameraTrackListener::tankCheck() const
{
    return ::tankCheck(*player, *fishes);
}

ReplayEnd CameraTrackListener::gameEnd() const
{
    return ReplayEnd{player->score, player->alive ? GameEnd::Quit : lostTo, 0};
}

void CameraTrackListener::watch(std::unique_ptr<ReplayPlayback> playback_, ReplayDice& dice_)
{
    playback = std::move(playback_);
    tapeDice = &dice_;
    watching = true;
    const ReplayHeader& header = playback->header();
    takeOver(header);
    // Every game begins without a banner, as a new process shows it.
    gameOverOverlay->hide();
    if (header.controlsShown != hud.controlsShown())
        hud.toggleControls();
    pausedForControls = header.pausedForControls;
    // The recorded window is shown at its shape inside this one, which stays as it is.
    shownAspect = float(header.width) / float(header.height);
    windowResized(window);
    showReplayState();
    const std::string otherVersion = recordedByOtherVersion(header, FISHTANK_VERSION);
    if (!otherVersion.empty())
        Ogre::LogManager::getSingleton().logMessage("The replay was " + otherVersion);
}

bool CameraTrackListener::playRecorded(const ReplayFrame& frame)
{
    if (frame.width != 0)
    {
        shownAspect = float(frame.width) / float(frame.height);
        windowResized(window);
    }
    if (frame.focusPaused && !paused && player->alive)
        showPause();
    input = frame.input;
    return playFrame(frame.dt);
}

bool CameraTrackListener::readWatchingKeys()
{
    OIS::Keyboard* keys = inputManager != nullptr ? inputManager->keyboard : nullptr;
    if (keys == nullptr)
        return true;
    keys->capture();
    if (keys->isKeyDown(OIS::KC_ESCAPE) || keys->isKeyDown(OIS::KC_Q))
        return false;
    const bool p = keys->isKeyDown(OIS::KC_P);
    if (p && !watchPHeld)
        watchPaused = !watchPaused;
    watchPHeld = p;
    for (int i = 0; i < 4; ++i)
        if (keys->isKeyDown(kWatchSpeedKeys[i]))
            watchSpeed = i;
    return true;
}

bool CameraTrackListener::watchFrame(const Ogre::FrameEvent& evt)
{
    if (window->isClosed() || !readWatchingKeys())
        return false;
    if (!watchPaused)
        watchBudget += evt.timeSinceLastFrame * kWatchSpeeds[watchSpeed];
    for (int played = 0; !watchPaused && !playback->done() && played < kMostFramesPerDraw &&
                         watchBudget >= playback->nextFrameSeconds();
         ++played)
    {
        watchBudget -= playback->nextFrameSeconds();
        playback->playNext(*this, *tapeDice);
    }
    if (playback->done())
        watchBudget = 0;
    const std::string& unreadable = playback->unreadable();
    if (!differenceSaid &&
        (!playback->differs().empty() || (playback->done() && !unreadable.empty())))
    {
        differenceSaid = true;
        const std::string line = !playback->differs().empty()
                                     ? playback->differs()
                                     : "stops at second " +
                                           std::to_string(long(playback->secondsPlayed())) +
                                           ": the rest cannot be read: " + unreadable;
        std::cerr << "fishtank: the replay " << line << std::endl;
        Ogre::LogManager::getSingleton().logMessage("The replay " + line);
    }
    // Each recorded frame played has put the cues where its fish are.
    showReplayState();
    return true;
}

void CameraTrackListener::showReplayState()
{
    // Short enough for the strip at every window size; the log and stderr say the rest.
    std::string text = std::string("REPLAY ") + kWatchSpeedNames[watchSpeed];
    if (!playback->differs().empty())
        text = "REPLAY: differs";
    else if (playback->done() && !playback->unreadable().empty())
        text = "REPLAY: damaged";
    else if (playback->done())
        text = "REPLAY: the end";
    else if (watchPaused)
        text += " paused";
    hud.showReplay(text);
}
