#pragma once

#include "game/BestScoreFile.h"
#include "game/ControlsPanel.h"
#include "game/GamePresentation.h"
#include "game/HallOfFameFile.h"
#include "game/HallWatching.h"
#include "game/LiveRecording.h"
#include "game/ReplayViewer.h"
#include "game/SettingsFile.h"
#include "game/WindowModes.h"
#include "input/ExampleFrameListener.h"
#include "rules/GameTuning.h"

#include <memory>
#include <string>

class Dice;
class ReplayDice;

// The clocks of the game rules; they run only while the game is not paused.
struct GameTimers
{
    float spawnTimer = game_tuning::kFirstSpawnDelay; // until the next fish
    float hookTimer = 0.0f; // until the hook next drops in or is pulled out
    bool hookTimerDrawn = false;
    bool hookShown = false;
};

// The game's frame listener: after the input of the frame, it carries out the extra
// commands (controls panel, sound, marks, full screen, a new game after game over) and runs
// the tank's rules: timers, hook, spawning, eating or dying, the hook's bite, swimming and
// leaving; then it puts the marks where the fish are. What the player sees and hears, the
// window's modes, the recording of a live game, the watching of a recorded one and the
// watching of one from inside a live game are parts of their own.
class CameraTrackListener : public ExampleFrameListener
{
public:
    // Draws every chance of the game from the dice, which outlive the listener.
    CameraTrackListener(Ogre::RenderWindow* window, Ogre::Camera* camera,
                        std::unique_ptr<InputSystem> input, Platform& platform, Dice& dice);

    ~CameraTrackListener() override;

    // Once wired to the tank's records: makes the cues and applies the player's lasting
    // choices (sound, cues, full screen).
    void start();
    bool frameStarted(const Ogre::FrameEvent& evt) override;
    // The input of the frame, then the extra commands and the tank's rules.
    bool playFrame(float dt) override;
    // The HUD follows the window's size.
    void windowResized(Ogre::RenderWindow* rw) override;
    // Saves a score above the best now, however the game is ending (quit, closed window,
    // signal, lost display, error); a game already over offered its score then.
    void keepBestScore();

    // Records every game from now on into the recorder, drawing through the dice.
    void record(std::unique_ptr<GameRecorder> recorder, ReplayDice& dice);
    // Plays the recorded game instead of the devices, at the pace the player chooses with
    // 1 to 4 (P pauses, Escape or Q stops); the keyboard does nothing else.
    void watch(std::unique_ptr<ReplayPlayback> playback, ReplayDice& dice);
    // A drawn frame of the recorded game being watched, its keys read from `keys`, with
    // `hint` where the controls hint goes; false to stop.
    bool watchFrame(float seconds, OIS::Keyboard* keys, const std::string& hint);
    // What the hall of fame lists when a watched game's player opened it: the recording
    // keeps no hall, so the one kept now.
    void listHallOfFame(const HallOfFame& hall);
    // A recorded game is being watched inside this live one, which waits.
    bool watchingInside() const { return hallWatching.watching(); }
    // One recorded frame, played as it was: a resize or a loss of focus just before it,
    // then its input for its time; false when the recorded game quit in it.
    bool playRecorded(const ReplayFrame& frame);
    // What the recording checks, and how the game stands or ended.
    ReplayCheck tankCheck() const;
    ReplayEnd gameEnd() const;
    // The file this game is recorded in; empty when it is not recorded.
    std::string replayPath() const;
    // How much of this game its file keeps, in the player's words; empty when not recorded.
    std::string replayKept() const;
    // The game ends on an error: what is recorded goes to the disk.
    void flushRecording();
    // The game ends cleanly (quit, a closed window, a signal): the recording gets its end;
    // repeatable.
    void endRecording();

    // True when the hook has reached the fish.
    bool touchesHook(Fish fish) const;

    // Written only by the rules of each frame; tests and benchmarks read them.
    const GameTimers& clocks() const { return timers; }
    const Hud& heads() const { return presentation.hud; }
    const GameSounds& sound() const { return presentation.sounds; }
    const FishCues* fishCues() const { return presentation.cues.get(); }
    const GameSettings& choices() const { return settings.choices(); }
    int bestScore() const { return best.best(); }

private:
    friend class HallWatching;
    friend class LiveRecording;
    friend class ReplayViewer;

    // The controls panel, the sound, marks and full-screen switches and a new game; true
    // when a new game began.
    bool carryOutExtras();
    // F1 and Tab: a panel pauses a running game while it is open, unless P paused it
    // already, and the game goes on once none is open.
    void togglePanel(bool hallOfFame);
    void setFullScreen(bool full);
    // Every other fish leaves, the player starts again, and the clocks with it.
    void startNewGame();
    void advanceTimers(float dt);
    void moveHook();
    void spawnFish();
    void eatOrDie();
    void checkHook();
    void swimAndLeave(float dt);
    void loseGame(GameEnd cause);
    // What the game was and showed as a recording begins.
    ReplayHeader describeGame() const;
    void rumble(float strength, int milliseconds);
    // The game speed chosen in the settings, from this game on.
    void takePace();
    // A live game ended (GAME OVER or a quit), recorded in `replay`: it may enter the hall of
    // fame, which then shows under GAME OVER with its row marked.
    void enterHallOfFame(const std::string& replay);
    // A lost display saves this game's best score on the way out.
    void sayLastWordsOnLostDisplay();

    GameTimers timers;
    Dice& dice;
    GamePresentation presentation;
    BestScoreFile best;
    SettingsFile settings;
    WindowModes modes;
    bool pausedForControls = false;
    ControlsPanel controlsPanel; // choosing keys and the game speed while F1 shows
    bool bestPassed = false;     // this game's score has gone past the best (said once a game)
    // The score line as the resources give it, shown again at a new game.
    std::string startingScoreLine;

    GameEnd lostTo = GameEnd::Quit; // what ended the game, once the player's fish is gone
    bool newGameBegun = false;      // in this frame
    unsigned resizedWidth = 0, resizedHeight = 0; // since the last frame, for the recording
    std::unique_ptr<LiveRecording> recording;
    std::unique_ptr<HallOfFameFile> fame; // the live game's; none while a replay is watched
    std::unique_ptr<ReplayViewer> viewer;
    HallWatching hallWatching; // games watched from inside this one
};
