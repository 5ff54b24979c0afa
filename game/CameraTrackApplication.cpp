#include "game/CameraTrackApplication.h"

#include "game/CameraTrackListener.h"
#include "input/InputSystem.h"
#include "scene/PanelVisuals.h"
#include "scene/Renderer.h"

#include <OgreRenderSystem.h>
#include <OgreRenderSystemCapabilities.h>
#include <OgreRoot.h>

CameraTrackApplication::CameraTrackApplication(Platform& platform_, Dice& dice_)
    : ExampleApplication(platform_), dice(dice_)
{
}

void CameraTrackApplication::buildScene()
{
    buildTank(sceneManager, camera, *this);
    // A software renderer pays for smoothing on every pixel of the water, and the water is
    // shown about its own size: sampled plainly it looks the same, until the player picks
    // a filtering with T.
    if (drawsInSoftware(root->getRenderSystem()->getCapabilities()->getDeviceName()))
        sampleNearest(background);
    solidDrawing = std::make_unique<SolidDrawing>(camera, leftSide, rightSide);
}

void CameraTrackApplication::makeFrameListener()
{
    auto listener = makeTankListener(window, camera, *this,
                                     std::make_unique<OisInputSystem>(window), platform, dice);
    root->addFrameListener(listener.get());
    game = listener.get();
    frameListener = std::move(listener);
}

void CameraTrackApplication::keepProgress()
{
    if (game != nullptr)
        game->keepBestScore();
}
