#include "game/CameraTrackListener.h"

#include "app/GameEntry.h"

#include "game/Eating.h"
#include "game/ScoreDisplay.h"
#include "game/Spawner.h"
#include "game/TankScene.h"
#include "input/NativeWindow.h"
#include "platform/Dice.h"
#include "platform/Gamepads.h"
#include "platform/Platform.h"
#include "platform/XErrors.h"
#include "rules/Collision.h"
#include "rules/Growth.h"
#include "rules/TankBounds.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <OgreLogManager.h>
#include <OgreRenderWindow.h>
#include <OgreSceneNode.h>
#include <Overlay/OgreOverlay.h>
#include <algorithm>

using namespace game_tuning;

namespace
{
constexpr const char* kErrorNoteLabel = "Last game (error)";
}

CameraTrackListener::CameraTrackListener(Ogre::RenderWindow* window_, Ogre::Camera* camera_,
                                         std::unique_ptr<InputSystem> devices, Platform& platform_,
                                         Dice& dice_)
    : ExampleFrameListener(window_, camera_, std::move(devices), platform_), dice(dice_),
      sounds(platform_), best(platform_), settings(platform_), startingScoreLine(scoreLine())
{
    // Opening the sound device mid-game would stall the frame of the first meal.
    for (const char* sound : {kGulpSound, kBooSound})
    {
        const std::string silent = platform.preloadSound(sound);
        if (!silent.empty())
            Ogre::LogManager::getSingleton().logMessage("Silence for " + std::string(sound) + ": " +
                                                        silent);
    }
    hud.showBest(best.best());
    bindings = settings.keys();
    hud.showControls(KeyChooser(bindings, settings.choices().pacePercent).rows(), -1, "");
}

void CameraTrackListener::showLastErrorNote()
{
    // Said once: the controls panel names that replay until the first new game.
    std::string note, error;
    if (!platform.readGameFile(kErrorNoteFile, note, error))
        return;
    platform.removeGameFile(kErrorNoteFile);
    note = note.substr(0, note.find('\n'));
    if (note.empty())
        return;
    hud.noteReplayKept(note, kErrorNoteLabel);
    Ogre::LogManager::getSingleton().logMessage(
        "The last game ended on an error; its replay is kept in " + note);
}

CameraTrackListener::~CameraTrackListener()
{
    forgetLastWordsOnLostDisplay(this);
}

void CameraTrackListener::windowResized(Ogre::RenderWindow* rw)
{
    ExampleFrameListener::windowResized(rw);
    hud.fitTo(rw->getWidth(), rw->getHeight());
    laidOutWidth = rw->getWidth();
    laidOutHeight = rw->getHeight();
    resizedWidth = rw->getWidth();
    resizedHeight = rw->getHeight();
}

void CameraTrackListener::start()
{
    hud.fitTo(window->getWidth(), window->getHeight());
    laidOutWidth = window->getWidth();
    laidOutHeight = window->getHeight();
    showLastErrorNote();
    cues = std::make_unique<FishCues>(player->sceneManager, *background);
    const GameSettings& chosen = settings.choices();
    if (sounds.isOn() != chosen.soundOn)
        sounds.switchOnOrOff();
    hud.showSoundOff(!sounds.isOn());
    cues->show(chosen.cuesShown);
    if (chosen.fullScreen && !window->isFullScreen())
        setFullScreen(true);
    // A lost display ends the process at once: the best score is saved on the way out.
    setLastWordsOnLostDisplay(
        [](void* self) { static_cast<CameraTrackListener*>(self)->keepBestScore(); }, this);
}

void CameraTrackListener::rumble(float strength, int milliseconds)
{
    if (gamepads != nullptr && settings.choices().rumble)
        gamepads->rumble(strength, milliseconds);
}

void CameraTrackListener::keepBestScore()
{
    if (player == nullptr || !player->alive)
        return;
    best.offer(player->score);
}

bool CameraTrackListener::frameStarted(const Ogre::FrameEvent& evt)
{
    // A change of mode (F11, Alt+Return) can leave the window at a size no resize event
    // told of: the HUD and the camera follow the window's size whatever told of it.
    if (window->getWidth() != laidOutWidth || window->getHeight() != laidOutHeight)
        windowResized(window);
    // Watching, F1 opens nothing.
    hud.showControlsHint(!playback, padInUse);
    if (playback)
        return watchFrame(evt);
    newGameBegun = false;
    // A closed window ends the loop before any input is read or any rule runs.
    const bool played = !window->isClosed();
    const bool running = ExampleFrameListener::frameStarted(evt);
    if (recorder)
        recordFrame(evt.timeSinceLastFrame, played, running);
    return running;
}

bool CameraTrackListener::playFrame(float dt)
{
    // The very first hook delay comes before any spawn has seeded the dice.
    if (!timers.hookTimerDrawn)
    {
        timers.hookTimer = float(dice.roll() % kHookDelaySpread + kHookDelayMin);
        timers.hookTimerDrawn = true;
    }
    if (!watching)
        chooseKeys();
    if (!ExampleFrameListener::playFrame(dt))
        return false;
    // A new game starts its clocks with the next frame, as the first game did.
    if (!carryOutExtras() && !paused)
    {
        advanceTimers(dt);
        if (timers.hookTimer <= 0)
            moveHook();
        if (timers.spawnTimer <= 0)
            spawnFish();
        eatOrDie();
        checkHook();
        swimAndLeave(dt);
    }
    if (cues)
    {
        const Ogre::Vector3& corner = hookNode->getPosition();
        const Rect hook{corner.x, corner.y, float(kHookWidth), float(kHookHeight)};
        cues->update(*player, *fishes, timers.hookShown ? &hook : nullptr);
    }
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
        toggleControls();
    if (extras.toggleSound)
    {
        sounds.switchOnOrOff();
        hud.showSoundOff(!sounds.isOn());
        chosen.soundOn = sounds.isOn();
    }
    if (extras.toggleCues && cues)
    {
        cues->show(!cues->shown());
        chosen.cuesShown = cues->shown();
    }
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

void CameraTrackListener::chooseKeys()
{
    if (inputManager == nullptr || inputManager->keyboard == nullptr)
        return;
    const OIS::Keyboard& keyboard = *inputManager->keyboard;
    const std::vector<OIS::KeyCode> pressed = keyPresses.read(keyboard);
    if (!chooser)
        return;
    // A key pressed for the panel asks for nothing until it is let go.
    swallowed.erase(std::remove_if(swallowed.begin(), swallowed.end(),
                                   [&keyboard](OIS::KeyCode key)
                                   { return !keyboard.isKeyDown(key); }),
                    swallowed.end());
    bool changed = false;
    for (OIS::KeyCode key : pressed)
    {
        if (chooser->waiting())
            swallowed.push_back(key);
        changed = chooser->press(key) || changed;
    }
    if (changed)
    {
        bindings = chooser->keys();
        settings.changeKeys(bindings, chooser->pace());
    }
    // The keys that move about the panel ask for nothing else; while it waits for a key,
    // no key does but Escape and Q, which quit.
    const bool quitKey = keyboard.isKeyDown(OIS::KC_ESCAPE) || keyboard.isKeyDown(OIS::KC_Q);
    const auto asks = [this, &keyboard](OIS::KeyCode key)
    {
        return !KeyChooser::movesAbout(key) &&
               std::find(swallowed.begin(), swallowed.end(), key) == swallowed.end() &&
               keyboard.isKeyDown(key);
    };
    input.actions = chooser->waiting() ? 0u : actionsHeld(bindings, asks);
    if (quitKey)
        holdAction(input, Action::Quit);
    showChooser();
}

void CameraTrackListener::showChooser()
{
    const std::vector<ChooserRow> rows = chooser->rows();
    hud.showControls(rows, chooser->selected(), chooser->prompt());
    const std::string said =
        rows[std::size_t(chooser->selected())].caption + ": " + chooser->prompt();
    if (said == chooserSaid)
        return;
    chooserSaid = said;
    Ogre::LogManager::getSingleton().logMessage("Controls panel at " + said);
}

void CameraTrackListener::toggleControls()
{
    hud.toggleControls();
    if (watching)
        chooser.reset();
    else if (hud.controlsShown())
    {
        chooser = std::make_unique<KeyChooser>(bindings, settings.choices().pacePercent);
        chooserSaid.clear();
        showChooser();
    }
    else
    {
        chooser.reset();
        hud.showControls(KeyChooser(bindings, settings.choices().pacePercent).rows(), -1, "");
    }
    if (hud.controlsShown())
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
    // Full screen at the desktop's own size: the screen's mode never changes, so a game
    // that dies in full screen leaves the desktop as it was.
    if (watching)
        return; // the viewer's window stays as it is; the recorded resize shows the new shape
    const NativeWindow native = nativeWindowOf(*window);
    unsigned width = 0, height = 0;
    if (full)
    {
        if (!platform.screenSize(native.display, native.id, width, height))
            return;
        windowedWidth = window->getWidth();
        windowedHeight = window->getHeight();
    }
    else
    {
        width = windowedWidth != 0 ? windowedWidth : window->getWidth();
        height = windowedHeight != 0 ? windowedHeight : window->getHeight();
    }
    window->setFullscreen(full, width, height);
    Ogre::LogManager::getSingleton().logMessage(
        std::string(full ? "Full screen at " : "In a window of ") + std::to_string(width) + "x" +
        std::to_string(height));
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
    hud.showNewBest(false);
    hud.showNewGameHint(false, false);
    bestPassed = false;
    hookNode->setPosition(kHookParkX, kHookParkY, kHookDepth);
    timers = GameTimers{};
    newGameBegun = true;
    hud.noteReplayKept("");
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
            sounds.play(kGulpSound);
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
            showGameOver(gameOverOverlay, sounds);
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
    sounds.play(kBooSound);
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
