#include "game/LiveRecording.h"

#include "game/CameraTrackListener.h"
#include "platform/Dice.h"

#include <OgreLogManager.h>
#include <OgreRenderWindow.h>

#include <ctime>

LiveRecording::LiveRecording(std::unique_ptr<GameRecorder> recorder_, ReplayDice& dice_)
    : recorder(std::move(recorder_)), dice(dice_)
{
    const std::string before = newestRecordedReplay(recorder->folderName());
    if (!before.empty())
        lastEnded = recorder->folderName() + "/" + before;
}

void LiveRecording::begin(CameraTrackListener& game)
{
    gameOpen = true;
    dice.startRecording();
    bestAtStart = game.bestScore();
    recorder->begin(game.describeGame());
    game.resizedWidth = game.resizedHeight = 0;
    game.focusPaused = false;
    if (!recorder->path().empty())
        Ogre::LogManager::getSingleton().logMessage("Recording the game in " + recorder->path());
}

void LiveRecording::frame(CameraTrackListener& game, float dt, bool played)
{
    if (game.newGameBegun)
    {
        // The frame of Return belongs to neither game: the next one begins after it, from a
        // header that says what the player sees then.
        endGame(game);
        begin(game);
        return;
    }
    if (played)
    {
        ReplayFrame frame;
        frame.dt = dt;
        frame.input = game.input;
        frame.focusPaused = game.focusPaused;
        frame.width = int(game.resizedWidth);
        frame.height = int(game.resizedHeight);
        frame.dice = dice.takeFrame(); // taken after GAME OVER too, so it never piles up
        if (recorder->recording() && recorder->frame(frame))
            recorder->check(game.tankCheck());
        game.focusPaused = false;
        game.resizedWidth = game.resizedHeight = 0;
        // GAME OVER: the file is whole now, whatever the player does next.
        if (!game.player->alive)
            endGame(game);
    }
}

bool LiveRecording::setsBest(const CameraTrackListener& game) const
{
    return recorder->setsBest(game.player->score, bestAtStart);
}

void LiveRecording::endGame(CameraTrackListener& game)
{
    if (!gameOpen)
        return; // ended at its GAME OVER already
    gameOpen = false;
    const bool whole = recorder->recording();
    if (whole)
    {
        recorder->end(game.gameEnd(), setsBest(game));
        lastEnded = recorder->path();
    }
    game.enterHallOfFame(whole ? recorder->path() : "");
}

void LiveRecording::flush(const CameraTrackListener& game)
{
    recorder->flush(game.player->alive && setsBest(game));
}
