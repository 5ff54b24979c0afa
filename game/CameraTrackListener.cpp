#include "game/CameraTrackListener.h"

#include "game/Eating.h"
#include "game/ScoreDisplay.h"
#include "game/Spawner.h"
#include "game/TankCheck.h"
#include "game/TankScene.h"
#include "input/KeySettings.h"
#include "platform/AccountName.h"
#include "platform/Dice.h"
#include "platform/Gamepads.h"
#include "platform/Platform.h"
#include "platform/XErrors.h"
#include "rules/Collision.h"
#include "rules/Growth.h"
#include "rules/Pace.h"
#include "rules/TankBounds.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <OgreLogManager.h>
#include <OgreRenderWindow.h>
#include <OgreSceneNode.h>
#include <Overlay/OgreOverlay.h>
#include <algorithm>

#include <ctime>

using namespace game_tuning;

CameraTrackListener::CameraTrackListener(Ogre::RenderWindow* window_, Ogre::Camera* camera_,
                                         std::unique_ptr<InputSystem> devices, Platform& platform_,
                                         Dice& dice_)
    : ExampleFrameListener(window_, camera_, std::move(devices), platform_), dice(dice_),
      presentation(platform_), best(platform_), settings(platform_), startingScoreLine(scoreLine())
{
    presentation.hud.showBest(best.best());
    bindings = settings.keys();
    controlsPanel.close(presentation.hud, bindings, settings.choices().pacePercent);
}

CameraTrackListener::~CameraTrackListener()
{
    forgetLastWordsOnLostDisplay(this);
}

void CameraTrackListener::windowResized(Ogre::RenderWindow* rw)
{
    ExampleFrameListener::windowResized(rw);
    presentation.hud.fitTo(rw->getWidth(), rw->getHeight());
    modes.laidOut(*rw);
    resizedWidth = rw->getWidth();
    resizedHeight = rw->getHeight();
}

void CameraTrackListener::start()
{
    presentation.hud.fitTo(window->getWidth(), window->getHeight());
    modes.laidOut(*window);
    presentation.showLastErrorNote(platform);
    const GameSettings& chosen = settings.choices();
    presentation.start(player->sceneManager, *background, chosen);
    takePace();
    if (chosen.fullScreen && !window->isFullScreen())
        setFullScreen(true);
    sayLastWordsOnLostDisplay();
}

void CameraTrackListener::sayLastWordsOnLostDisplay()
{
    // A lost display ends the process at once: the best score is saved on the way out.
    setLastWordsOnLostDisplay(
        [](void* self) { static_cast<CameraTrackListener*>(self)->keepBestScore(); }, this);
}

void CameraTrackListener::takePace()
{
    pace = paceShare(settings.choices().pacePercent);
    presentation.hud.showPace(pacePercent(pace));
}

void CameraTrackListener::rumble(float strength, int milliseconds)
{
    GamePresentation::rumble(gamepads(), settings.choices(), strength, milliseconds);
}

void CameraTrackListener::keepBestScore()
{
    if (player == nullptr || !player->alive)
        return;
    best.offer(player->score);
}

bool CameraTrackListener::frameStarted(const Ogre::FrameEvent& evt)
{
    if (hallWatching.watching())
        return hallWatching.frame(*this, evt);
    if (viewer)
        return watchFrame(evt.timeSinceLastFrame,
                          inputManager != nullptr ? inputManager->keyboard : nullptr, "");
    // A change of mode (F11, Alt+Return) can leave the window at a size no resize event
    // told of: the HUD and the camera follow the window's size whatever told of it.
    if (modes.needsLayout(*window))
        windowResized(window);
    presentation.hud.showControlsHint(true, padInUse);
    newGameBegun = false;
    // A closed window ends the loop before any input is read or any rule runs.
    const bool played = !window->isClosed();
    const bool running = ExampleFrameListener::frameStarted(evt);
    if (recording)
    {
        recording->frame(*this, evt.timeSinceLastFrame, played);
        if (!running)
            endRecording();
    }
    if (running)
        hallWatching.startIfAsked(*this);
    return running;
}

bool CameraTrackListener::watchFrame(float seconds, OIS::Keyboard* keys, const std::string& hint)
{
    if (modes.needsLayout(*window))
        windowResized(window);
    // Watching, F1 opens nothing; a game watched inside another says how to go back.
    presentation.hud.showHint(hint);
    return viewer->frame(*this, seconds, keys);
}

void CameraTrackListener::listHallOfFame(const HallOfFame& hall)
{
    presentation.hud.fillHallOfFame(fameLines(hall), -1);
}

bool CameraTrackListener::playFrame(float dt)
{
    // The very first hook delay comes before any spawn has seeded the dice.
    if (!timers.hookTimerDrawn)
    {
        timers.hookTimer = float(dice.roll() % kHookDelaySpread + kHookDelayMin);
        timers.hookTimerDrawn = true;
    }
    if (!watching && inputManager != nullptr && inputManager->keyboard != nullptr)
    {
        if (controlsPanel.frame(*inputManager->keyboard, bindings, settings, input,
                                presentation.hud) &&
            recording)
            hallWatching.ask(*this, recording->lastGame(), false);
        if (fame)
            hallWatching.browse(*this);
    }
    if (!ExampleFrameListener::playFrame(dt))
        return false;
    // A new game starts its clocks with the next frame, as the first game did.
    // The rules see the tank's time, which runs at the pace the player chose.
    const float tankTime = dt * pace;
    if (!carryOutExtras() && !paused)
    {
        advanceTimers(tankTime);
        if (timers.hookTimer <= 0)
            moveHook();
        if (timers.spawnTimer <= 0)
            spawnFish();
        eatOrDie();
        checkHook();
        swimAndLeave(tankTime);
    }
    const Ogre::Vector3& corner = hookNode->getPosition();
    const Rect hook{corner.x, corner.y, float(kHookWidth), float(kHookHeight)};
    presentation.placeMarks(*player, *fishes, timers.hookShown ? &hook : nullptr);
    return true;
}

bool CameraTrackListener::touchesHook(Fish fish) const
{
    const Ogre::Vector3& hook = hookNode->getPosition();
    return hookReaches(Point{hook.x, hook.y}, fishRect(fish));
}

bool CameraTrackListener::carryOutExtras()
{
    GameSettings chosen = settings.choices();
    if (extras.toggleControls)
        togglePanel(false);
    if (extras.toggleHallOfFame)
        togglePanel(true);
    if (extras.toggleSound)
        chosen.soundOn = presentation.switchSound();
    if (extras.toggleCues && presentation.cues)
        chosen.cuesShown = presentation.switchMarks();
    if (extras.toggleFullScreen)
    {
        setFullScreen(!window->isFullScreen());
        chosen.fullScreen = window->isFullScreen();
    }
    if (extras.toggleSound || extras.toggleCues || extras.toggleFullScreen)
        settings.change(chosen);
    // Before the game is over a new game is not on offer.
    if (!extras.newGame || player->alive)
        return false;
    startNewGame();
    return true;
}

void CameraTrackListener::togglePanel(bool hallOfFame)
{
    Hud& hud = presentation.hud;
    if (hallOfFame)
        presentation.toggleHallOfFame();
    else
    {
        hud.toggleControls();
        if (hud.controlsShown() && !watching)
            controlsPanel.open(hud, bindings, settings.choices().pacePercent,
                               recording && !recording->lastGame().empty());
        else
            controlsPanel.close(hud, bindings, settings.choices().pacePercent);
    }
    if (hud.controlsShown() || hud.hallOfFameShown())
    {
        if (!paused && player->alive)
            paused = pausedForControls = true;
    }
    else
    {
        // P, or a window that lost the focus, shows its banner: that pause stays.
        if (pausedForControls && paused && !gameOverOverlay->isVisible())
            paused = false;
        pausedForControls = false;
    }
}

void CameraTrackListener::setFullScreen(bool full)
{
    // The viewer's window stays as it is; the recorded resize shows the new shape.
    if (!watching)
        modes.setFullScreen(*window, platform, full);
}

void CameraTrackListener::startNewGame()
{
    for (const Fish& fish : *fishes)
        destroyFishVisuals(fish);
    fishes->clear();
    resetFish(*player);
    placePlayerAtStart(*player);
    setScoreLine(startingScoreLine);
    gameOverOverlay->hide();
    presentation.hud.showNewBest(false);
    presentation.hud.showNewGameHint(false, false);
    // The hall of fame shown at GAME OVER goes with it (it never held the game), and no row
    // is marked in the new game's.
    if (fame)
        presentation.hud.fillHallOfFame(fameLines(fame->hall()), -1);
    presentation.showHallOfFame(false);
    bestPassed = false;
    hookNode->setPosition(kHookParkX, kHookParkY, kHookDepth);
    timers = GameTimers{};
    takePace(); // a pace chosen during a game counts from the next one
    newGameBegun = true;
    presentation.hud.noteReplayKept("");
}

void CameraTrackListener::advanceTimers(float dt)
{
    timers.spawnTimer -= dt;
    timers.hookTimer -= dt;
}

void CameraTrackListener::moveHook()
{
    if (timers.hookShown)
    {
        hookNode->setPosition(kHookParkX, kHookParkY, kHookDepth);
        timers.hookShown = false;
    }
    else
    {
        timers.hookShown = true;
        const int y = kHookDropY + dice.roll() % kHookDropYSpread;
        const int x = kHookDropX + dice.roll() % kHookDropXSpread;
        hookNode->setPosition(float(x), float(y), kHookDepth);
    }
    timers.hookTimer = float(dice.roll() % kHookDelaySpread + kHookDelayMin);
}

void CameraTrackListener::spawnFish()
{
    Fish fish;
    resetFish(fish);
    spawnRandomFish(fish, player->sceneManager, background, dice);
    fishes->push_back(fish);
    timers.spawnTimer = kSpawnInterval;
}

void CameraTrackListener::eatOrDie()
{
    std::vector<Fish>& others = *fishes;
    size_t i = 0;
    while (i < others.size())
    {
        if (!fishesOverlap(*player, others[i]))
        {
            ++i;
            continue;
        }
        if (playerCanEat(player->width, others[i].width, others[i].isShark))
        {
            // The next fish moves into place i and is tested against the fed player.
            eatFish(*player, others[i]);
            others.erase(others.begin() + long(i));
            updateScoreCaption(*player);
            presentation.sounds.play(kGulpSound);
            rumble(kMealRumble, kMealRumbleMilliseconds);
            if (!bestPassed && player->score > best.best())
            {
                bestPassed = true;
                Ogre::LogManager::getSingleton().logMessage("The score passes the best: " +
                                                            std::to_string(player->score));
            }
        }
        else
        {
            loseGame(others[i].isShark ? GameEnd::Shark : GameEnd::BiggerFish);
            showGameOver(gameOverOverlay, presentation.sounds);
            ++i;
        }
    }
}

void CameraTrackListener::checkHook()
{
    if (!touchesHook(*player))
        return;
    loseGame(GameEnd::Hook);
    showGameOverBanner(gameOverOverlay);
    hookNode->setPosition(kHookParkX, kHookParkY, kHookDepth);
    presentation.sounds.play(kBooSound);
}

void CameraTrackListener::loseGame(GameEnd cause)
{
    const bool wasAlive = player->alive;
    player->alive = false;
    player->node->setPosition(kGoneX, kGoneY, kGoneZ);
    if (!wasAlive)
        return; // lost twice in one frame: it ends once
    lostTo = cause;
    rumble(kGameOverRumble, kGameOverRumbleMilliseconds);
    Ogre::LogManager::getSingleton().logMessage("Game over with a score of " +
                                                std::to_string(player->score));
    Hud& hud = presentation.hud;
    if (best.offer(player->score))
        hud.showNewBest(true);
    hud.noteReplayKept(replayPath());
    hud.showBest(best.best());
    hud.showNewGameHint(true, gamepadsConnected > 0);
}

void CameraTrackListener::swimAndLeave(float dt)
{
    std::vector<Fish>& others = *fishes;
    const Rect tank = panelRect(*background);
    size_t i = 0;
    while (i < others.size())
    {
        const Fish& fish = others[i];
        const Ogre::Vector3 next = fish.node->getPosition() + fishVelocity(fish) * dt;
        if (!hasLeftTank(Rect{next.x, next.y, fish.width, fish.height}, tank))
        {
            fish.node->setPosition(next);
            ++i;
        }
        else
        {
            // Gone past the far side: the fish that moves into place i swims this frame too.
            destroyFishVisuals(fish);
            others.erase(others.begin() + long(i));
        }
    }
}

ReplayHeader CameraTrackListener::describeGame() const
{
    ReplayHeader header;
    header.gameVersion = FISHTANK_VERSION;
    header.width = int(window->getWidth());
    header.height = int(window->getHeight());
    header.date = std::time(nullptr);
    header.settings = settings.choices();
    header.settings.pacePercent = pacePercent(pace);
    header.bestScore = best.best();
    header.controlsShown = presentation.hud.controlsShown();
    header.pausedForControls = pausedForControls;
    static_cast<ListenerState&>(header) = state();
    return header;
}

void CameraTrackListener::enterHallOfFame(const std::string& replay)
{
    if (!fame)
        return;
    const std::string& chosen = settings.choices().playerName;
    const std::string name = chosen.empty() ? accountName() : chosen;
    const FameEntry game{name,
                         player->score,
                         player->eatenCount,
                         gameEndText(gameEnd().cause),
                         pacePercent(pace),
                         std::int64_t(std::time(nullptr)),
                         ""};
    const int row = fame->enter(game, replay);
    // Return is the new game's key here; the game just played is the controls panel's last.
    const std::string panel = firstKeyName(bindings, Action::Controls);
    presentation.hud.fillHallOfFame(fameLines(fame->hall()), row,
                                    player->alive || replay.empty() || panel.empty()
                                        ? ""
                                        : panel + ", then The last game: watch this game again");
    if (row >= 0 && !player->alive)
        presentation.showHallOfFame(true);
}

void CameraTrackListener::record(std::unique_ptr<GameRecorder> recorder, ReplayDice& tapeDice)
{
    fame = std::make_unique<HallOfFameFile>(platform, recorder->folderName());
    presentation.hud.fillHallOfFame(fameLines(fame->hall()), -1);
    recording = std::make_unique<LiveRecording>(std::move(recorder), tapeDice);
    recording->begin(*this);
}

void CameraTrackListener::endRecording()
{
    if (!recording)
        return;
    if (player->alive)
        best.offer(player->score); // quit with a score above the best
    recording->endGame(*this);
    recording.reset();
}

void CameraTrackListener::flushRecording()
{
    if (recording)
        recording->flush(*this);
}

std::string CameraTrackListener::replayPath() const
{
    return recording ? recording->path() : "";
}

std::string CameraTrackListener::replayKept() const
{
    return recording ? recording->kept() : "";
}

ReplayCheck CameraTrackListener::tankCheck() const
{
    return ::tankCheck(*player, *fishes);
}

ReplayEnd CameraTrackListener::gameEnd() const
{
    return ReplayEnd{player->score, player->alive ? GameEnd::Quit : lostTo, 0};
}

void CameraTrackListener::watch(std::unique_ptr<ReplayPlayback> playback, ReplayDice& tapeDice)
{
    viewer = std::make_unique<ReplayViewer>(std::move(playback), tapeDice);
    viewer->start(*this);
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
