// The additions beside the classic game: a new game after game over, the best score, the
// controls panel, the sound switch, the cues, the settings kept and the pause when the
// window loses the focus.
#include "game/CameraTrackListener.h"

#include "app/ExampleApplication.h"
#include "support/GameTest.h"

#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace
{
const std::string kBestFile = "best-score.txt";
const std::string kGulp = ".\\resources\\gulp.wav";
const std::string kBoo = ".\\resources\\boo.wav";

class ExtrasTest : public GameTest
{
protected:
    ExtrasTest() { dice.draws = {14}; } // the hook stays away for 19 s

    // A fish as wide as the player swims into it: the game is over.
    void loseToABigFish()
    {
        addFish(210, 300, 80);
        frame(0.01f);
        ASSERT_FALSE(world.player.alive);
    }
    // The player eats a fish of the given width where it stands.
    void eat(int width)
    {
        const Ogre::Vector3 at = playerPosition();
        addFish(at.x + 5, at.y, width);
        frame(0.01f);
    }
    bool logSays(const std::string& start) const
    {
        for (const std::string& line : engine.logCatcher.lines)
            if (line.rfind(start, 0) == 0)
                return true;
        return false;
    }
};
} // namespace

TEST_F(ExtrasTest, ReturnAfterGameOverStartsTheGameAgainFromTheBeginning)
{
    eat(28);
    eat(28);
    for (int i = 0; i < 4; ++i)
        eat(28); // the sixth meal grows the player
    ASSERT_FLOAT_EQ(world.player.width, 44);
    frame(3.5f); // a fish arrives far from the player
    addFish(300, 50, 28, -1, 10);
    loseToABigFish();
    ASSERT_EQ(engine.caption("GameOverTextArea"), "GAME OVER");
    EXPECT_EQ(engine.caption("NewGameTextArea"), "Press Return for a new game");
    tap({OIS::KC_P});
    tap({OIS::KC_P});
    EXPECT_TRUE(engine.overlayVisible("NewGameOverlay")) << "whatever P does to the banner";
    // Alt+Return is the full-screen key: its Return starts nothing.
    EXPECT_TRUE(tap({OIS::KC_LMENU, OIS::KC_RETURN}));
    frame(0.01f);
    ASSERT_FALSE(world.player.alive);
    const size_t fishBefore = world.fishes.size();
    ASSERT_GT(fishBefore, 0u);
    const size_t nodesWithFish = engine.sceneNodeCount();

    EXPECT_TRUE(tap({OIS::KC_RETURN}));

    EXPECT_TRUE(world.fishes.empty());
    EXPECT_EQ(engine.sceneNodeCount(), nodesWithFish - 3 * fishBefore);
    EXPECT_TRUE(world.player.alive);
    EXPECT_EQ(world.player.score, 0);
    EXPECT_EQ(world.player.eatenCount, 0);
    EXPECT_EQ(playerPosition(), Ogre::Vector3(200, 300, 1));
    EXPECT_EQ(world.player.node->getScale(), Ogre::Vector3::UNIT_SCALE);
    EXPECT_FLOAT_EQ(world.player.width, 40);
    EXPECT_FLOAT_EQ(world.player.height, 10);
    EXPECT_EQ(world.player.direction, 0);
    EXPECT_FLOAT_EQ(world.player.leftNode->getPosition().z, 1); // facing left
    EXPECT_EQ(engine.caption("ScoreTextArea"), "from the resources");
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay"));
    EXPECT_FALSE(engine.overlayVisible("NewGameOverlay"));
    EXPECT_EQ(world.hookNode->getPosition(), Ogre::Vector3(1000, 1000, 2));

    // The clocks start as at the first game: a fresh hook delay, the first fish after 3 s.
    dice.draws = {9};
    const int rolls = dice.rolls;
    frame(1.5f);
    EXPECT_EQ(dice.rolls, rolls + 1);
    EXPECT_FLOAT_EQ(listener->clocks().hookTimer, 14 - 1.5f);
    frame(1.4f);
    EXPECT_TRUE(world.fishes.empty());
    frame(0.2f);
    EXPECT_EQ(world.fishes.size(), 1u);

    // And the second game plays as the first: a meal scores.
    eat(28);
    EXPECT_EQ(world.player.score, 28);
    EXPECT_EQ(engine.caption("ScoreTextArea"), "SCORE: 28   Fish To Eat: 5");
}

TEST_F(ExtrasTest, ReturnDoesNothingBeforeGameOverOrWhilePaused)
{
    eat(28);
    frame(1);
    EXPECT_TRUE(tap({OIS::KC_RETURN}));
    EXPECT_EQ(world.player.score, 28);
    EXPECT_NEAR(listener->clocks().spawnTimer, 3 - 0.01f - 1 - 0.1f, 1e-4);

    loseToABigFish();
    tap({OIS::KC_P});
    ASSERT_TRUE(listener->paused);
    tap({OIS::KC_RETURN});
    EXPECT_FALSE(world.player.alive) << "no new game while paused";
    tap({OIS::KC_P});
    tap({OIS::KC_NUMPADENTER});
    EXPECT_TRUE(world.player.alive) << "keypad Enter works as Return";
}

TEST_F(ExtrasTest, ManyNewGamesLeaveNothingBehindInTheScene)
{
    const size_t nodes = engine.sceneNodeCount();
    const size_t sets = engine.billboardSetCount();
    for (int game = 0; game < 50; ++game)
    {
        frame(4); // a fish or two arrive
        loseToABigFish();
        tap({OIS::KC_RETURN});
        ASSERT_EQ(engine.sceneNodeCount(), nodes) << game;
        ASSERT_EQ(engine.billboardSetCount(), sets) << game;
    }
}

TEST_F(ExtrasTest, HeldReturnStartsOneGameOnly)
{
    loseToABigFish();
    keyboard.press(OIS::KC_RETURN);
    frame(0.05f);
    ASSERT_TRUE(world.player.alive);
    loseToABigFish(); // lost again while Return is still held
    frame(0.05f);
    EXPECT_FALSE(world.player.alive);
}

TEST_F(ExtrasTest, TheBestScoreComesFromItsFileAndAGameAboveItIsSaved)
{
    // A fresh listener reads the file, as the game does at its start.
    platform.files[kBestFile] = "45\n";
    listener.reset();
    listener = makeTankListener(&window, camera, world,
                                std::make_unique<LentInput>(&keyboard, &mouse), platform, dice);
    EXPECT_EQ(listener->bestScore(), 45);
    EXPECT_EQ(engine.caption("BestTextArea"), "BEST: 45");

    eat(28);
    loseToABigFish(); // 28: not above 45
    EXPECT_EQ(platform.writes, 0);
    EXPECT_FALSE(engine.overlayVisible("NewBestOverlay"));

    tap({OIS::KC_RETURN});
    eat(28);
    eat(28);
    loseToABigFish(); // 56
    EXPECT_EQ(platform.files[kBestFile], "56\n");
    EXPECT_EQ(engine.caption("BestTextArea"), "BEST: 56");
    EXPECT_TRUE(engine.overlayVisible("NewBestOverlay"));
    EXPECT_EQ(engine.caption("ScoreTextArea"), "SCORE: 56   Fish To Eat: 4") << "unchanged";

    tap({OIS::KC_RETURN});
    EXPECT_FALSE(engine.overlayVisible("NewBestOverlay"));
    // A game that ends any other way (quit, a closed window, a signal, an error) keeps its
    // score above the best too.
    for (int meal = 0; meal < 3; ++meal)
        eat(28);
    listener->keepBestScore();
    EXPECT_EQ(platform.files[kBestFile], "84\n");
}

TEST_F(ExtrasTest, ABestScoreFileThatCannotBeReadIsNeverReplacedAndAGarbledOneIsKeptAside)
{
    platform.files[kBestFile] = "50\n";
    platform.unreadable.insert(kBestFile);
    listener.reset();
    listener = makeTankListener(&window, camera, world,
                                std::make_unique<LentInput>(&keyboard, &mouse), platform, dice);
    eat(28);
    loseToABigFish();
    EXPECT_EQ(platform.files[kBestFile], "50\n");
    EXPECT_EQ(listener->bestScore(), 28) << "kept in memory for this run";
    EXPECT_TRUE(logSays("New best score 28 kept in memory only"));

    platform.unreadable.clear();
    platform.files[kBestFile] = "fifty";
    listener.reset();
    listener = makeTankListener(&window, camera, world,
                                std::make_unique<LentInput>(&keyboard, &mouse), platform, dice);
    tap({OIS::KC_RETURN});
    eat(28);
    loseToABigFish();
    EXPECT_EQ(platform.files[kBestFile + ".bad"], "fifty");
    EXPECT_EQ(platform.files[kBestFile], "28\n");
}

TEST_F(ExtrasTest, AFileWithoutABestScoreCountsAsNoneAndSaysWhy)
{
    for (const char* text : {"", "garbled", "-5", "99999999999"})
    {
        platform.files[kBestFile] = text;
        listener.reset();
        listener = makeTankListener(&window, camera, world,
                                    std::make_unique<LentInput>(&keyboard, &mouse), platform, dice);
        EXPECT_EQ(listener->bestScore(), 0) << text;
        EXPECT_TRUE(logSays("No best score yet")) << text;
    }
}

TEST_F(ExtrasTest, ABestScoreThatCannotBeSavedIsLoggedAndTheGameGoesOn)
{
    platform.unwritable.insert(kBestFile);
    eat(28);
    loseToABigFish();
    EXPECT_TRUE(logSays("New best score 28 could not be saved: best-score.txt cannot be written"));
    EXPECT_EQ(listener->bestScore(), 28);
    EXPECT_TRUE(tap({OIS::KC_RETURN}));
    EXPECT_TRUE(world.player.alive);
}

TEST_F(ExtrasTest, F1ShowsTheControlsAndTheGameWaitsBehindThem)
{
    EXPECT_FALSE(engine.overlayVisible("ControlsOverlay"));
    EXPECT_NE(engine.caption("ControlsKeysTextArea").find("F11, Alt+Return"), std::string::npos);
    EXPECT_TRUE(engine.overlayVisible("HudOverlay"));
    tap({OIS::KC_F1});
    EXPECT_TRUE(engine.overlayVisible("ControlsOverlay"));
    frame(3.5f);
    EXPECT_TRUE(world.fishes.empty()) << "the clocks stand still behind the panel";
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay")) << "the panel says it all";
    keyboard.press(OIS::KC_F1);
    frame(0.05f);
    frame(0.05f); // held: one press, one change
    keyboard.releaseAll();
    EXPECT_FALSE(engine.overlayVisible("ControlsOverlay"));
    frame(3.5f);
    EXPECT_EQ(world.fishes.size(), 1u) << "closing the panel goes on";

    // The hall of fame (Tab) holds the game the same way, in the bare HUD of a replay's
    // check as in the game's own.
    tap({OIS::KC_TAB});
    EXPECT_TRUE(engine.overlayVisible("FameOverlay"));
    frame(3.5f);
    EXPECT_EQ(world.fishes.size(), 1u) << "the clocks stand still behind the hall";
    tap({OIS::KC_TAB});
    EXPECT_FALSE(listener->paused);

    // Paused with P, the game stays paused when the panel closes; F1 shares no delay.
    tap({OIS::KC_P});
    tap({OIS::KC_F1});
    EXPECT_TRUE(engine.overlayVisible("ControlsOverlay"));
    EXPECT_FLOAT_EQ(listener->toggleDelay, -0.1f);
    tap({OIS::KC_F1});
    EXPECT_TRUE(listener->paused);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "PAUSE");
    tap({OIS::KC_P});
    // After game over the tank goes on behind the panel, as it does without it.
    loseToABigFish();
    tap({OIS::KC_F1});
    EXPECT_FALSE(listener->paused);
}

TEST_F(ExtrasTest, KeysChosenInThePanelActFromItsClosingAndAreSaved)
{
    tap({OIS::KC_F1});
    frame(0.05f);
    for (OIS::KeyCode key :
         {OIS::KC_DOWN, OIS::KC_DOWN, OIS::KC_DOWN, OIS::KC_DOWN, OIS::KC_RETURN, OIS::KC_K})
    {
        keyboard.press(key);
        frame(0.05f);
        frame(0.05f); // held for two frames: one press
        keyboard.releaseAll();
        frame(0.05f);
    }
    EXPECT_EQ(keysFor(listener->bindings, Action::Pause), std::vector<OIS::KeyCode>{OIS::KC_K});
    EXPECT_NE(platform.files["settings.cfg"].find("key.pause = K\n"), std::string::npos);
    EXPECT_FALSE(engine.overlayVisible("GameOverOverlay")) << "K chose, and paused nothing";
    EXPECT_TRUE(listener->paused) << "the panel's own wait";
    tap({OIS::KC_F1});
    frame(0.05f);
    tap({OIS::KC_P});
    EXPECT_FALSE(listener->paused);
    tap({OIS::KC_K});
    EXPECT_TRUE(listener->paused);
}

TEST_F(ExtrasTest, MSwitchesBothSoundsOffAndOnWithAMarker)
{
    EXPECT_FALSE(engine.elementVisible("SoundOffPanel"));
    tap({OIS::KC_M});
    EXPECT_TRUE(engine.elementVisible("SoundOffPanel"));
    EXPECT_FALSE(listener->sound().isOn());
    eat(28);
    loseToABigFish();
    EXPECT_EQ(world.player.score, 28);
    EXPECT_TRUE(platform.sounds.empty());

    // Remembered for the next start, with the cues (H) and full screen (F11) beside it.
    tap({OIS::KC_H});
    tap({OIS::KC_F11});
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_EQ(window.getWidth(), 1920u) << "the desktop's own size";
    window.setFullscreen(false, 1024, 768); // a new start makes a new window
    EXPECT_FALSE(listener->fishCues()->shown());
    listener.reset();
    listener = makeTankListener(&window, camera, world,
                                std::make_unique<LentInput>(&keyboard, &mouse), platform, dice);
    EXPECT_NE(platform.files["settings.cfg"].find("sound = off\nmarks = off\nfullscreen = on"),
              std::string::npos);
    EXPECT_TRUE(engine.elementVisible("SoundOffPanel"));
    EXPECT_FALSE(listener->sound().isOn());
    EXPECT_FALSE(listener->fishCues()->shown());
    tap({OIS::KC_RMENU, OIS::KC_RETURN});
    frame(0.01f);
    EXPECT_FALSE(window.isFullScreen());
    EXPECT_EQ(window.getHeight(), 768u) << "the window as it was";

    tap({OIS::KC_M});
    EXPECT_FALSE(engine.elementVisible("SoundOffPanel"));
    tap({OIS::KC_RETURN});
    eat(28);
    loseToABigFish();
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{kGulp, kBoo}));
}

TEST_F(ExtrasTest, TheCueUnderEachFishIsTheVerdictOfTheRules)
{
    struct Case
    {
        int width;
        bool shark;
    };
    // Placed before any frame filled it (a watched game's first picture), the set already
    // covers the water: the camera does not cull it as the empty box it was.
    engine.scene->getRootSceneNode()->_update(true, false);
    for (const auto& [name, set] : engine.scene->getMovableObjects("BillboardSet"))
    {
        if (static_cast<Ogre::BillboardSet*>(set)->getMaterialName() != "Fishtank/Cues")
            continue;
        EXPECT_TRUE(set->getParentSceneNode()->_getWorldAABB().contains(
            Ogre::Vector3(playerPosition().x, playerPosition().y, 2.5f)))
            << name;
    }
    // The player is 40 wide.
    for (const Case c : {Case{28, false}, Case{39, false}, Case{40, false}, Case{41, false},
                         Case{28, true}, Case{160, true}, Case{200, false}})
    {
        SCOPED_TRACE(std::to_string(c.width) + (c.shark ? " shark" : ""));
        addFish(300, 50, c.width, -1, 0, c.shark); // far away
        frame(0.01f);
        const auto cells = listener->fishCues()->cells();
        ASSERT_EQ(cells.size(), 2u);
        EXPECT_EQ(cells[0], FishCues::Cell::Marker);
        // Then it swims into the player, and the rules decide.
        world.fishes[0].node->setPosition(playerPosition());
        frame(0.01f);
        const bool eaten = world.player.alive;
        EXPECT_EQ(cells[1], eaten ? FishCues::Cell::Eat : FishCues::Cell::Danger);
        if (!eaten)
        {
            EXPECT_TRUE(listener->fishCues()->cells().empty()) << "no cues without the player";
            tap({OIS::KC_RETURN});
        }
    }
    // The hook is marked as danger while it is in the water, and only then.
    dice.draws = {1};
    frame(30.0f);
    EXPECT_EQ(listener->fishCues()->cells(),
              (std::vector<FishCues::Cell>{FishCues::Cell::Marker, FishCues::Cell::Danger}));
    frame(30.0f);
    EXPECT_EQ(listener->fishCues()->cells(), std::vector<FishCues::Cell>{FishCues::Cell::Marker});
}

TEST_F(ExtrasTest, LosingTheFocusItHadPausesARunningGame)
{
    listener->windowFocusChange(&window); // nobody decides the focus: nothing happens
    platform.focus = WindowFocus::Elsewhere;
    listener->windowFocusChange(&window);
    EXPECT_FALSE(listener->paused) << "a window that never had the focus does not pause";

    platform.focus = WindowFocus::Here;
    listener->windowFocusChange(&window);
    platform.focus = WindowFocus::Elsewhere;
    listener->windowFocusChange(&window);
    EXPECT_TRUE(listener->paused);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "PAUSE");
    EXPECT_TRUE(engine.overlayVisible("GameOverOverlay"));
    EXPECT_TRUE(platform.sleeps.empty()) << "no key to wait for";

    // It stays paused until P, also when the focus comes back.
    platform.focus = WindowFocus::Here;
    listener->windowFocusChange(&window);
    frame(5);
    EXPECT_TRUE(listener->paused);
    EXPECT_TRUE(world.fishes.empty());
    tap({OIS::KC_P});
    EXPECT_FALSE(listener->paused);
}

TEST_F(ExtrasTest, AGameOverOrAPausedGameIsLeftAsItIsWhenTheFocusGoes)
{
    platform.focus = WindowFocus::Here;
    listener->windowFocusChange(&window);
    loseToABigFish();
    platform.focus = WindowFocus::Elsewhere;
    listener->windowFocusChange(&window);
    EXPECT_FALSE(listener->paused);
    EXPECT_EQ(engine.caption("GameOverTextArea"), "GAME OVER");
}

TEST(ExtrasWithoutTheirOverlays, TheGamePlaysAsBefore)
{
    WindowlessEngine::Options options;
    options.hudOverlays = false;
    // The tank's own parts, in an engine whose resources lack the HUD.
    WindowlessEngine engine(options);
    Ogre::Camera* camera = createPlayerCamera(engine.scene);
    TankRecords world;
    buildTank(engine.scene, camera, world);
    FakeWindow window(1024, 768);
    FakeKeyboard keyboard;
    FakeMouse mouse;
    RecordingPlatform platform;
    ScriptedDice dice({14});
    auto listener = makeTankListener(
        &window, camera, world, std::make_unique<LentInput>(&keyboard, &mouse), platform, dice);
    keyboard.press(OIS::KC_F1);
    keyboard.press(OIS::KC_TAB);
    keyboard.press(OIS::KC_M);
    Ogre::FrameEvent event{};
    event.timeSinceLastFrame = 0.1f;
    EXPECT_TRUE(listener->frameStarted(event));
    keyboard.releaseAll();
    // No panel to read: F1 and Tab do not stop the game behind nothing. It plays on, silent.
    EXPECT_FALSE(listener->paused);
    world.fishes.push_back(makeFish(engine.scene, &world.background, 205, 300, 28));
    EXPECT_TRUE(listener->frameStarted(event));
    EXPECT_EQ(world.player.score, 28);
    EXPECT_TRUE(platform.sounds.empty());
}
