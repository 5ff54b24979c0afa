#include "game/ReplayVerify.h"

#include "app/ExampleApplication.h"
#include "app/HeadlessEngine.h"
#include "game/CameraTrackListener.h"
#include "game/SettingsFile.h"
#include "game/TankScene.h"
#include "platform/Dice.h"
#include "platform/SafeFile.h"
#include "platform/SandboxPlatform.h"
#include "rules/BestScore.h"

#include <OgreLogManager.h>
#include <OgreRoot.h>

#include <ostream>

bool loadReplay(const std::string& path, ReplayTape& tape, std::string& problem)
{
    std::string bytes, why;
    if (!readSmallFile(path, 64u << 20, bytes, why) || !readReplay(bytes, tape, why))
    {
        problem = path + " cannot be played: " + why;
        return false;
    }
    return true;
}

void fillSandbox(SandboxPlatform& sandbox, const ReplayHeader& header)
{
    GameSettings shown = header.settings;
    shown.fullScreen = false; // the viewer's window stays as it is; the recorded shape shows
    sandbox.files[kSettingsFile] = settingsText(shown);
    sandbox.files[kBestScoreFile] = bestScoreText(header.bestScore);
}

int replayWithoutWindow(Ogre::Root& root, ReplayTape tape, std::string& line)
{
    HeadlessWindow window(unsigned(tape.header.width), unsigned(tape.header.height));
    Ogre::SceneManager* scene = root.createSceneManager();
    Ogre::Camera* camera = createPlayerCamera(scene);
    TankRecords tank;
    buildTank(scene, camera, tank);
    SandboxPlatform sandbox;
    fillSandbox(sandbox, tape.header);
    ReplayDice dice;
    auto playback = std::make_unique<ReplayPlayback>(std::move(tape));
    ReplayPlayback& played = *playback;
    auto game =
        makeTankListener(&window, camera, tank, std::make_unique<InputSystem>(), sandbox, dice);
    game->watch(std::move(playback), dice);
    while (!played.done())
        played.playNext(*game, dice);
    line = played.outcome();
    const int status = !played.differs().empty() ? 1 : played.unreadable().empty() ? 0 : 2;
    game.reset();
    root.destroySceneManager(scene);
    return status;
}

int verifyReplay(const std::string& path, std::ostream& out, std::ostream& err)
{
    ReplayTape tape;
    std::string problem;
    if (!loadReplay(path, tape, problem))
    {
        err << "fishtank: " << problem << std::endl;
        return 2;
    }
    const std::string materials = findMaterialScript("resources.cfg");
    if (materials.empty())
    {
        err << "fishtank: the game's materials were not found through resources.cfg in this "
               "folder"
            << std::endl;
        return 2;
    }
    const std::string otherVersion = recordedByOtherVersion(tape.header, FISHTANK_VERSION);
    if (!otherVersion.empty())
        out << otherVersion << std::endl;
    // The engine's log stays in memory: checking a game writes nothing.
    Ogre::LogManager logs;
    logs.createLog("verify", true, false, true);
    HeadlessEngine engine(materials);
    std::string line;
    const int status = replayWithoutWindow(*engine.root, std::move(tape), line);
    out << line << std::endl;
    return status;
}
