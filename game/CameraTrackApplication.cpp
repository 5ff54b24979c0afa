#include "game/CameraTrackApplication.h"

#include "app/GameEntry.h"
#include "game/CameraTrackListener.h"
#include "game/ReplayVerify.h"
#include "input/InputSystem.h"
#include "platform/RendererKind.h"
#include "platform/SandboxPlatform.h"
#include "scene/PanelVisuals.h"

#include <OgreLogManager.h>
#include <OgreRoot.h>

namespace
{
// The log's line on how the water is sampled, and why.
std::string waterSamplingLine(const RendererKind& renderer)
{
    if (drawsInSoftware(renderer))
        return "Water: software renderer: " + renderer.name +
               ": sampled from its nearest texel until the first T";
    return "Water: hardware renderer: smoothed like every picture (" + renderer.name + ")";
}
} // namespace

CameraTrackApplication::CameraTrackApplication(Platform& platform_, ReplayDice& dice_,
                                               std::unique_ptr<ReplayTape> watched_)
    : ExampleApplication(platform_), dice(dice_), watched(std::move(watched_))
{
    onlyWatching = watched != nullptr;
}

CameraTrackApplication::~CameraTrackApplication() = default;

void CameraTrackApplication::buildScene()
{
    buildTank(sceneManager, camera, *this);
    // A software renderer pays for smoothing on every pixel of the water, and the water is
    // shown about its own size: sampled plainly it looks the same, until the player picks
    // a filtering with T.
    const RendererKind renderer = currentRenderer();
    if (drawsInSoftware(renderer))
        sampleNearest(background);
    Ogre::LogManager::getSingleton().logMessage(waterSamplingLine(renderer));
    solidDrawing = std::make_unique<SolidDrawing>(camera, leftSide, rightSide);
}

void CameraTrackApplication::makeFrameListener()
{
    Platform* used = &platform;
    if (watched)
    {
        sandbox = std::make_unique<SandboxPlatform>(&platform);
        fillSandbox(*sandbox, watched->header);
        used = sandbox.get();
    }
    auto listener = makeTankListener(window, camera, *this,
                                     std::make_unique<OisInputSystem>(window), *used, dice);
    if (watched)
        listener->watch(std::make_unique<ReplayPlayback>(std::move(*watched)), dice);
    else
        listener->record(std::make_unique<GameRecorder>(kReplayFolder), dice);
    root->addFrameListener(listener.get());
    game = listener.get();
    frameListener = std::move(listener);
}

std::string CameraTrackApplication::keepProgress()
{
    if (game == nullptr)
        return "";
    game->keepBestScore();
    game->flushRecording();
    return game->replayKept();
}

void CameraTrackApplication::noteError()
{
    std::string error;
    if (game != nullptr && !onlyWatching && !game->replayPath().empty())
        platform.writeGameFile(kErrorNoteFile, game->replayPath() + "\n", error);
}

void CameraTrackApplication::endPlay()
{
    if (game != nullptr)
        game->endRecording();
    keepProgress();
}
