#include "game/HallWatching.h"

#include "game/CameraTrackListener.h"
#include "game/ReplayVerify.h"
#include "game/ScoreDisplay.h"
#include "game/SharedLook.h"
#include "game/WatchedGame.h"
#include "input/KeySettings.h"

#include <OgreLogManager.h>
#include <OgreRenderWindow.h>

HallWatching::HallWatching() = default;

HallWatching::~HallWatching() = default;

void HallWatching::browse(CameraTrackListener& game)
{
    Hud& hud = game.presentation.hud;
    // Browsed over a game that waits (P may set it going behind the hall: the arrows swim).
    FameView view = FameView::Aside;
    if (!game.player->alive)
        view = FameView::AfterGameOver;
    else if (hud.hallOfFameShown() && !hud.controlsShown())
        view = game.paused ? FameView::Browsing : FameView::OverRunningGame;
    const int row = browser.frame(*game.inputManager->keyboard, game.bindings, view,
                                  game.fame->hall(), game.input, hud);
    if (row < 0)
        return;
    const FameEntry& entry = game.fame->hall().entries[std::size_t(row)];
    if (entry.replay.empty())
        browser.refuse("No replay was kept of this game", game.fame->hall(), hud);
    else
        ask(game, game.fame->folder() + "/" + entry.replay, true);
}

void HallWatching::ask(CameraTrackListener& game, const std::string& path, bool fromHall)
{
    auto tape = std::make_unique<ReplayTape>();
    std::string problem, said;
    // The live game waits while another plays: one set going again behind the panel (P)
    // must be paused first, as its recording has it.
    if (game.player->alive && !game.paused)
        said = "The game is running: pause it first (P)";
    else if (loadReplay(path, *tape, problem))
    {
        toWatch = std::move(tape);
        toWatchPath = path;
        toWatchFromHall = fromHall;
        return;
    }
    else
    {
        Ogre::LogManager::getSingleton().logMessage("The game cannot be watched: " + problem);
        // The reason, without the file's name the log gives.
        std::string why = problem;
        for (const std::string& lead :
             {path + " cannot be played: ", path + " cannot be read: ", path + ": "})
            if (why.compare(0, lead.size(), lead) == 0)
                why.erase(0, lead.size());
        said = "Its replay cannot be played: " + why;
        if (said.size() > 72)
            said = said.substr(0, 69) + "...";
    }
    if (fromHall && game.fame)
        browser.refuse(said, game.fame->hall(), game.presentation.hud);
    else
        game.controlsPanel.refuse(game.presentation.hud, said);
}

void HallWatching::startIfAsked(CameraTrackListener& game)
{
    // A game asked for from a panel closed in the same frame is not watched.
    const Hud& shown = game.presentation.hud;
    std::unique_ptr<ReplayTape> tape = std::move(toWatch);
    if (!tape || !(toWatchFromHall ? shown.hallOfFameShown() : shown.controlsShown()))
        return;
    SharedLook look(*game.background);
    // The watched game's HUD starts as the resources give it, without this game's lines
    // under the banner; a player who silenced this game hears nothing from it either.
    game.presentation.hud.fitToDesign();
    setScoreLine(game.startingScoreLine);
    game.presentation.hud.showNewBest(false);
    game.presentation.hud.showNewGameHint(false, false);
    if (!game.settings.choices().soundOn)
        tape->header.settings.soundOn = false;
    const std::string back = firstKeyName(game.bindings, Action::HallOfFame);
    const std::string hint = (back.empty() ? std::string("F1") : back) + ": your game";
    Ogre::LogManager::getSingleton().logMessage("Watching " + toWatchPath +
                                                " inside the game, which waits");
    watched =
        std::make_unique<WatchedGame>(game.window, game.platform, std::move(*tape), std::move(look),
                                      hint, game.fame ? game.fame->hall() : HallOfFame{});
    // The watched game's own listener took the last words: they stay this game's.
    game.sayLastWordsOnLostDisplay();
}

bool HallWatching::frame(CameraTrackListener& game, const Ogre::FrameEvent& evt)
{
    if (game.window->isClosed())
        return false;
    // The devices are read as in play (a pad's news never waits) for the way back and quit.
    const FrameInput asked = game.readInput();
    switch (watched->frame(evt, asked,
                           game.inputManager != nullptr ? game.inputManager->keyboard : nullptr))
    {
    case WatchedGame::Step::Watching:
        return true;
    case WatchedGame::Step::Quit:
        return false;
    case WatchedGame::Step::Back:
        break;
    }
    stop(game);
    return true;
}

void HallWatching::stop(CameraTrackListener& game)
{
    watched.reset();
    // Keys still held from watching ask the panels for nothing.
    if (game.inputManager != nullptr && game.inputManager->keyboard != nullptr)
    {
        browser.skipHeldKeys(*game.inputManager->keyboard);
        game.controlsPanel.skipHeldKeys(*game.inputManager->keyboard);
    }
    // The window may have changed while watching.
    game.presentation.hud.fitTo(game.window->getWidth(), game.window->getHeight());
    Ogre::LogManager::getSingleton().logMessage("Back to the game after watching");
}
