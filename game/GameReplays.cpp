// Recording every game, and playing a recorded one again: the game's listener at the edges
// where its input, its dice and its frame times come in.
#include "game/CameraTrackListener.h"

#include "game/TankCheck.h"
#include "platform/Dice.h"

#include <OIS.h>
#include <OgreLogManager.h>
#include <OgreRenderWindow.h>

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
    describeInto(header);
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
    recorder->begin(describeGame());
    resizedWidth = resizedHeight = 0;
    focusPaused = false;
    if (!recorder->path().empty())
        Ogre::LogManager::getSingleton().logMessage("Recording the game in " + recorder->path());
}

void CameraTrackListener::recordFrame(float dt, bool played, bool running)
{
    if (played)
    {
        ReplayFrame frame;
        frame.dt = dt;
        frame.input = input;
        frame.focusPaused = focusPaused;
        frame.width = int(resizedWidth);
        frame.height = int(resizedHeight);
        frame.dice = tapeDice->takeFrame();
        if (recorder->frame(frame))
            recorder->check(tankCheck());
        focusPaused = false;
        resizedWidth = resizedHeight = 0;
    }
    if (newGameBegun)
    {
        // The game that ended is complete; the next one is recorded from its first frame.
        recorder->end(endedGame, endedWithNewBest);
        beginRecording();
    }
    else if (!running)
        endRecording();
}

void CameraTrackListener::endRecording()
{
    if (!recorder)
        return;
    if (player->alive)
        newBest = best.offer(player->score); // quit with a score above the best
    recorder->end(gameEnd(), newBest);
    recorder.reset();
}

void CameraTrackListener::flushRecording()
{
    if (recorder)
        recorder->flush();
}

std::string CameraTrackListener::replayPath() const
{
    return recorder ? recorder->path() : "";
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
    if (header.controlsShown != hud.controlsShown())
        hud.toggleControls();
    if (window->getWidth() != unsigned(header.width) ||
        window->getHeight() != unsigned(header.height))
    {
        window->resize(unsigned(header.width), unsigned(header.height));
        windowResized(window);
    }
    showReplayState();
}

bool CameraTrackListener::playRecorded(const ReplayFrame& frame)
{
    if (frame.width != 0)
    {
        window->resize(unsigned(frame.width), unsigned(frame.height));
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
    if (!playback->differs().empty() && !differenceSaid)
    {
        differenceSaid = true;
        std::cerr << "fishtank: the replay " << playback->differs() << std::endl;
        Ogre::LogManager::getSingleton().logMessage("The replay " + playback->differs());
    }
    // Each recorded frame played has put the cues where its fish are.
    showReplayState();
    return true;
}

void CameraTrackListener::showReplayState()
{
    std::string text = std::string("REPLAY ") + kWatchSpeedNames[watchSpeed];
    if (!playback->differs().empty())
        text = "REPLAY: went another way";
    else if (playback->done())
        text = "REPLAY: the end";
    else if (watchPaused)
        text += " paused";
    hud.showReplay(text);
}
